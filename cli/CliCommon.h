#pragma once
// Pieces every quelmar-cli subcommand shares: the --type option, the exit statuses and
// one-line error reports.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

namespace cli {

// One rule for every command, as diff(1) has it: 1 only for what a command found (check:
// errors; diff: a difference; import: rows that match no program; apply-order: reference
// programs that match none), 2 for everything that
// kept it from working (a file that cannot be read or written, a refusal, a failed
// transfer, a command line not understood).
inline constexpr int kExitOk = 0;
inline constexpr int kExitFound = 1;
inline constexpr int kExitTrouble = 2;
inline constexpr int kExitUsage = 2;

// The path that stands for standard input or output.
inline constexpr const char* kStdStream = "-";

// Adds "--type N" (receiver variant 0-3, default 3) to a subcommand.
void AddTypeOption(CLI::App* sub, int& dbType);

// Prints "quelmar-cli: <what>" on stderr (control characters escaped) and returns
// kExitTrouble.
int Fail(const std::string& what);

// Refuses (on stderr, true) to write `out` when it is one of the files the command
// reads, under any name or link: the output would destroy its input.
bool OutputIsInput(const std::string& out, std::initializer_list<std::string> inputs);

// Bytes for OUT: standard output when OUT is "-", otherwise written to the file whole or
// not at all. Says why on stderr and returns false when they could not be written.
bool WriteOutput(const std::string& out, const std::uint8_t* data, std::size_t size);
// A database image for OUT, as WriteOutput writes it; a file it replaces is kept as
// OUT.bak, as a save keeps it (a backup that cannot be made is said on stderr).
bool WriteImageOutput(const std::string& out, const std::vector<std::uint8_t>& image);

// What a save had to say beside its success (no backup kept), on stderr.
void ReportNotice(const std::string& notice);

// Text for a terminal: control characters (C0, DEL and the C1 range written in UTF-8)
// become visible escapes such as "\x1b", so a name in a file can never move the
// cursor, retitle the window or set the terminal's modes.
std::string EscapeControls(const std::string& text);

// Prints "quelmar-cli: <what>" on stderr and returns kExitUsage.
int Usage(const std::string& what);

// Adds "--json" to a subcommand.
void AddJsonFlag(CLI::App* sub, bool& json);

// Reads a whole database image (the file's first kImageSize bytes; `fileSize`, when
// given, receives the size of the whole file); says why on stderr (and in `why` when
// given) and returns false when it cannot.
bool ReadImage(const std::string& path, std::vector<std::uint8_t>& image, std::string* why = nullptr,
               std::uint64_t* fileSize = nullptr);

// Says on stderr when the image's checksums do not hold under the DbType in force but
// do under another type, and which type to give with `option`.
void HintOtherType(const std::string& path, const std::vector<std::uint8_t>& image, int dbType,
                   const std::string& option = "--type");

// A document's refusal with the file named once.
std::string NamingFile(const std::string& message, const std::string& path);

// JSON for stdout: indented, names from files kept whatever bytes they hold.
std::string DumpJson(const nlohmann::ordered_json& j);

// Bytes in the receiver's code page as UTF-8, for printing and JSON.
std::string ToUtf8(const std::string& cp1252Bytes);

}  // namespace cli
