#pragma once
// quelmar-cli's --help, written to be read as its manual page too (the build turns it
// into one with help2man): what the tool is for, each command with its arguments, each
// option once, the exit statuses, the files it uses and examples. A command's own
// --help stays CLI11's.
#include <memory>

#include <CLI/CLI.hpp>

namespace cli {

// One line saying what the tool does; also the manual page's NAME line.
extern const char* const kSummary;
// What the top-level -h,--help and --version do.
extern const char* const kHelpOption;
extern const char* const kVersionOption;

// The formatter to give the top-level app before its commands are added.
std::shared_ptr<CLI::Formatter> ManualFormatter();

}  // namespace cli
