#pragma once
// quelmar-cli's --help, written to be read as its manual page too (the build turns it
// into one with help2man): what the tool is for, each command with its arguments, each
// option once, the exit statuses, the files it uses and examples. A command's own
// --help stays CLI11's.
#include <memory>
#include <string>

#include <CLI/CLI.hpp>

namespace cli {

// One line saying what the tool does; also the manual page's NAME line.
extern const char* const kSummary;
// What the top-level -h,--help and --version do.
extern const char* const kHelpOption;
extern const char* const kVersionOption;

// The formatter to give the top-level app before its commands are added.
std::shared_ptr<CLI::Formatter> ManualFormatter();

// True when `name` is one of the app's commands.
bool IsCommand(const CLI::App& app, const std::string& name);

// `quelmar-cli help [COMMAND]`: the manual, or the command's own help, on stdout.
// Returns the exit status: an unknown COMMAND is answered as UnknownCommand does.
int PrintHelp(const CLI::App& app, const std::string& command);

// "unknown command NAME" and the list of commands, on stderr; returns kExitUsage.
int UnknownCommand(const CLI::App& app, const std::string& name);

}  // namespace cli
