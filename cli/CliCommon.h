#pragma once
// Pieces every quelmar-cli subcommand shares: the --type option, the exit statuses and
// one-line error reports.
#include <string>

#include <CLI/CLI.hpp>

namespace cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // a failed check or a refused file
inline constexpr int kExitUsage = 2;

// Adds "--type N" (receiver variant 0-3, default 3) to a subcommand.
void AddTypeOption(CLI::App* sub, int& dbType);

// Prints "quelmar-cli: <what>" on stderr (control characters escaped) and returns
// kExitFailed.
int Fail(const std::string& what);

// Text for a terminal: control characters (C0, DEL and the C1 range written in UTF-8)
// become visible escapes such as "\x1b", so a name in a file can never move the
// cursor, retitle the window or set the terminal's modes.
std::string EscapeControls(const std::string& text);

// Bytes in the receiver's code page as UTF-8, for printing and JSON.
std::string ToUtf8(const std::string& cp1252Bytes);

}  // namespace cli
