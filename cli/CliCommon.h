#pragma once
// Pieces every quelmar-cli subcommand shares: the --type option, the exit statuses and
// one-line error reports.
#include <cstdint>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

namespace cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // a failed check or a refused file
inline constexpr int kExitUsage = 2;
// check, diff and import keep 1 for what they found; trouble (a file that cannot be
// read, a refusal) is 2 there, as diff(1) has it.
inline constexpr int kExitTrouble = 2;

// Adds "--type N" (receiver variant 0-3, default 3) to a subcommand.
void AddTypeOption(CLI::App* sub, int& dbType);

// Prints "quelmar-cli: <what>" on stderr (control characters escaped) and returns
// kExitFailed.
int Fail(const std::string& what);

// Text for a terminal: control characters (C0, DEL and the C1 range written in UTF-8)
// become visible escapes such as "\x1b", so a name in a file can never move the
// cursor, retitle the window or set the terminal's modes.
std::string EscapeControls(const std::string& text);

// Prints "quelmar-cli: <what>" on stderr and returns kExitUsage.
int Usage(const std::string& what);

// Adds "--json" to a subcommand.
void AddJsonFlag(CLI::App* sub, bool& json);

// Reads a whole database image; says why on stderr and returns false when it cannot.
bool ReadImage(const std::string& path, std::vector<std::uint8_t>& image);

// Says on stderr when the image's checksums do not hold under the DbType in force but
// do under another type, and which --type to use.
void HintOtherType(const std::string& path, const std::vector<std::uint8_t>& image, int dbType);

// A document's refusal with the file named once.
std::string NamingFile(const std::string& message, const std::string& path);

// JSON for stdout: indented, names from files kept whatever bytes they hold.
std::string DumpJson(const nlohmann::ordered_json& j);

// Bytes in the receiver's code page as UTF-8, for printing and JSON.
std::string ToUtf8(const std::string& cp1252Bytes);

}  // namespace cli
