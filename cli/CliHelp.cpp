#include "cli/CliHelp.h"

#include <cctype>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/CliCommon.h"
#include "db/records/TextFill.h"

namespace cli {

const char* const kSummary = "check, convert and transfer the channel database of a satellite receiver";
const char* const kHelpOption = "print this help and exit (after a COMMAND: that command's help)";
const char* const kVersionOption = "print the version and exit";

namespace {

const char* const kUnknownCommand = "unknown command %1; the commands are %2 (quelmar-cli help COMMAND tells more)";

const char* const kDescription =
    "quelmar-cli runs the document and transfer code of the Quelmar editor without a window, "
    "for scripts, backups and tests. A database file (.qdb) holds one image of the receiver's "
    "database; the receiver variant (--type) decides where its sections lie, so a file must "
    "be read with the variant it was written with.";


const std::pair<const char*, const char*> kExitStatuses[] = {
    {"0", "success: for check, no errors; for diff, the files hold the same"},
    {"1", "only for what a command found: check found an error; diff found a difference; import found a CSV "
          "row that matches no program; apply-order found a program of the reference that matches none"},
    {"2", "anything else that kept a command from working: the command line was not understood; a file could "
          "not be read, was refused or could not be written; send refused a database with errors; a transfer "
          "failed or timed out; writing to standard output failed"},
    {"130, 143", "a transfer was interrupted by SIGINT (Ctrl+C) or SIGTERM"},
};

const std::pair<const char*, const char*> kFiles[] = {
    {"*.qdb", "a database image of 458816 bytes: a 64-byte header and seven blocks of 64 KiB. "
              "Files are written to a temporary file beside the target and renamed over it, so a "
              "file is replaced whole or not at all. A symbolic link is followed to the file it "
              "names; anything but a regular file (a FIFO, a device, a folder) is refused, as is "
              "a file the user may not write."},
    {"/dev/ttyS0 ... /dev/ttyS3", "the serial ports \"COM1\" to \"COM4\"."},
    {"/dev/ttyUSB*, /dev/ttyACM*", "USB serial adapters. Opening one needs the right to use it; "
                                   "on Debian that is membership of the group dialout."},
};

struct Example {
  const char* what;
  std::vector<const char*> commands;
};

const Example kExamples[] = {
    {"Write a demo database and look at it:", {"quelmar-cli sample demo.qdb", "quelmar-cli info demo.qdb"}},
    {"Check a backup's checksums and content in a script (exit status 1 when it has errors):",
     {"quelmar-cli check backup.qdb", "quelmar-cli check --json backup.qdb"}},
    {"See what changed since yesterday's backup, one change a line:",
     {"quelmar-cli diff yesterday.qdb today.qdb"}},
    {"Put the channel lists in a spreadsheet, reorder them there and apply the result:",
     {"quelmar-cli export --format csv demo.qdb -o lists.csv",
      "quelmar-cli import --format csv lists.csv demo.qdb -o sorted.qdb"}},
    {"Give a database the channel order and favourite groups of another one, a TypeA file:",
     {"quelmar-cli apply-order --ref-type 0 old.qdb demo.qdb sorted.qdb"}},
    {"Give the satellites the transponders a published list (satellites.xml) has and they lack:",
     {"quelmar-cli update-transponders satellites.xml demo.qdb updated.qdb"}},
    {"Keep a database as JSON, edit it with any tool and rebuild it:",
     {"quelmar-cli export --format json demo.qdb -o demo.json",
      "quelmar-cli import --format json demo.json -o again.qdb"}},
    {"Save the database of a receiver on a USB adapter, giving up after two minutes:",
     {"quelmar-cli receive --timeout 120 --port /dev/ttyUSB0 saved.qdb"}},
    {"Send a file to a TypeA receiver on the first serial port at 57600 bps:",
     {"quelmar-cli send --type 0 --port COM1 --baud 57600 demo.qdb"}},
    {"Try a transfer without hardware: stbsim plays the receiver and prints the "
     "pseudo-terminal to use, here /dev/pts/3:",
     {"stbsim serve demo.qdb &", "quelmar-cli receive --port /dev/pts/3 copy.qdb"}},
};

constexpr std::size_t kWidth = 80;
constexpr std::size_t kIndent = 24;  // help2man takes 20 or more as a tag's text

// Words of `text` filled into lines of kWidth, each indented by `indent`.
std::string Wrap(const std::string& text, std::size_t indent) {
  std::istringstream words(text);
  std::string out, line, word;
  while (words >> word) {
    if (!line.empty() && indent + line.size() + 1 + word.size() > kWidth) {
      out += std::string(indent, ' ') + line + '\n';
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
  }
  if (!line.empty()) out += std::string(indent, ' ') + line + '\n';
  return out;
}

// "  TAG  text" with the text beside a short tag or under a long one.
std::string Item(const std::string& tag, const std::string& text) {
  std::string out = "  " + tag;
  if (out.size() + 2 <= kIndent) {
    std::string wrapped = Wrap(text, kIndent);
    return out + wrapped.substr(out.size());
  }
  return out + '\n' + Wrap(text, kIndent);
}

// The value's name ("N"), without the checks CLI11 appends to it; empty for a flag.
std::string ValueName(const CLI::Option* opt) {
  const std::string type = opt->get_type_name();
  return type.substr(0, type.find(':'));
}

std::string OptionTag(const CLI::Option* opt) {
  const std::string value = ValueName(opt);
  return opt->get_name(false, true) + (value.empty() ? "" : ' ' + value);
}

std::string OptionText(const CLI::Option* opt) {
  std::string text = opt->get_description();
  if (!ValueName(opt).empty() && !opt->get_default_str().empty())
    text += " (default " + opt->get_default_str() + ")";
  return text;
}

// "info [--type N] [--json] FILE": the options a command takes, then its arguments.
std::string Synopsis(const CLI::App* sub) {
  std::string line = sub->get_name();
  std::string positionals;
  for (const CLI::Option* opt : sub->get_options()) {
    if (opt == sub->get_help_ptr()) continue;
    if (opt->get_positional()) {
      positionals += opt->get_required() ? ' ' + opt->get_name() : " [" + opt->get_name() + ']';
    } else {
      const std::string tag = OptionTag(opt);
      line += opt->get_required() ? ' ' + tag : " [" + tag + ']';
    }
  }
  return line + positionals;
}

class Formatter : public CLI::Formatter {
 public:
  std::string make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const override {
    if (app->get_parent() != nullptr) return CLI::Formatter::make_help(app, std::move(name), mode);
    std::string out = "Usage: " + app->get_name() + " COMMAND [OPTIONS] ARGUMENTS...\n";
    std::string summary = kSummary;
    summary[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(summary[0])));
    out += summary + ".\n\n" + Wrap(kDescription, 0) + '\n';

    // Options shared by several commands are described once, where first met.
    std::vector<const CLI::Option*> options;
    std::map<std::string, bool> seen;
    out += "Commands:\n";
    for (const CLI::App* sub : app->get_subcommands({})) {
      out += Item(Synopsis(sub), sub->get_description());
      for (const CLI::Option* opt : sub->get_options()) {
        if (opt == sub->get_help_ptr() || opt->get_positional()) continue;
        if (!seen[opt->get_name()]) {
          seen[opt->get_name()] = true;
          options.push_back(opt);
        }
      }
    }
    out += "\nOptions:\n";
    for (const CLI::Option* opt : options) out += Item(OptionTag(opt), OptionText(opt));
    for (const CLI::Option* opt : app->get_options()) out += Item(OptionTag(opt), OptionText(opt));

    out += "\nExit status:\n";
    for (const auto& [status, meaning] : kExitStatuses) out += Item(status, meaning);
    out += "\nFiles:\n";
    for (const auto& [file, meaning] : kFiles) out += Item(file, meaning);
    out += "\nExamples:\n";
    for (const Example& e : kExamples) {
      out += Wrap(e.what, 2);
      for (const char* command : e.commands) out += std::string("    $ ") + command + '\n';
      out += '\n';
    }
    return out;
  }
};

}  // namespace

std::shared_ptr<CLI::Formatter> ManualFormatter() { return std::make_shared<Formatter>(); }

bool IsCommand(const CLI::App& app, const std::string& name) {
  for (const CLI::App* sub : app.get_subcommands({}))
    if (sub->get_name() == name) return true;
  return false;
}

int PrintHelp(const CLI::App& app, const std::string& command) {
  if (command.empty()) {
    std::cout << app.help();
    return kExitOk;
  }
  for (const CLI::App* sub : app.get_subcommands({}))
    if (sub->get_name() == command) {
      std::cout << sub->help();
      return kExitOk;
    }
  return UnknownCommand(app, command);
}

int UnknownCommand(const CLI::App& app, const std::string& name) {
  std::string names;
  for (const CLI::App* sub : app.get_subcommands({})) names += (names.empty() ? "" : ", ") + sub->get_name();
  return Usage(text::Fill(kUnknownCommand, {name, names}));
}

}  // namespace cli
