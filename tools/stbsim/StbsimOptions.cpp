#include "tools/stbsim/StbsimOptions.h"

#include <climits>
#include <cstdint>
#include <iostream>
#include <memory>
#include <vector>

#include <CLI/CLI.hpp>

namespace {

constexpr std::size_t kWidth = 80;
constexpr std::size_t kColumn = 28;  // where an option's text starts
constexpr long kMaxCount = 1000000;
const CLI::Range kNotNegative(0L, LONG_MAX);

const char* const kSummary =
    "Plays a satellite receiver's side of a channel database transfer on a serial line, for "
    "trying transfers without the receiver.";

const char* const kDescription =
    "stbsim answers the PC as the receiver does when the editor or quelmar-cli receives the "
    "database from it or sends one to it. Unless --device names a serial device, it opens a new "
    "pseudo-terminal and prints its path as the first line on standard output: open that path as "
    "the port. It plays one transfer and ends. The log shows every unit that crosses the line; "
    "the fault options make the receiver misbehave on purpose, once or again and again.";

const char* const kFooter =
    "Exit status:\n"
    "  0   the transfer succeeded (accept: FILE has been written)\n"
    "  1   the transfer failed: the PC or stbsim gave up, or a fault ended it\n"
    "  2   the command line was not understood\n"
    "  3   --timeout passed before the transfer ended\n"
    "  4   FILE, the log or the device could not be read, written or opened\n"
    "\n"
    "Examples:\n"
    "  Serve a database; the PC receives it from the printed device, here /dev/pts/3:\n"
    "    $ stbsim serve demo.qdb &\n"
    "    $ quelmar-cli receive --port /dev/pts/3 copy.qdb\n"
    "\n"
    "  Take what the PC sends at a real line's pace, refusing packet 5 twice:\n"
    "    $ stbsim accept got.qdb --pace --baud 38400 --nack-packet 5:2\n";

// Words of `text` in lines of at most `width` characters. CLI11 indents every line after
// the first to the option text's column.
std::string Fill(const std::string& text, std::size_t width) {
  std::string out;
  std::size_t lineStart = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t end = text.find(' ', pos);
    if (end == std::string::npos) end = text.size();
    const std::size_t length = end - pos;
    if (out.size() > lineStart && out.size() - lineStart + 1 + length > width) {
      out += '\n';
      lineStart = out.size();
    } else if (out.size() > lineStart) {
      out += ' ';
    }
    out.append(text, pos, length);
    pos = end + 1;
  }
  return out;
}

// Usage and description first, as a manual page begins; option texts filled to the width.
class ManualFormatter : public CLI::Formatter {
 public:
  ManualFormatter() {
    column_width(kColumn);
    label("Positionals", "Arguments");
  }
  std::string make_description(const CLI::App*) const override { return {}; }
  std::string make_usage(const CLI::App*, std::string) const override {
    return "Usage: stbsim serve FILE [OPTIONS]\n"
           "  or:  stbsim accept FILE [OPTIONS]\n" +
           Fill(kSummary, kWidth) + "\n\n" + Fill(kDescription, kWidth) + "\n";
  }
  // One blank line between the groups, and the arguments set off from the usage.
  std::string make_positionals(const CLI::App* app) const override {
    return "\n" + CLI::Formatter::make_positionals(app) + "\n";
  }
  std::string make_group(std::string group, bool positional, std::vector<const CLI::Option*> opts) const override {
    std::string out = group + ":\n";
    for (const CLI::Option* opt : opts) out += make_option(opt, positional);
    return out;
  }
  // The value's name only (" PATH"), without CLI11's type and checks.
  std::string make_option_opts(const CLI::Option* opt) const override { return opt->get_option_text(); }
  std::string make_option_desc(const CLI::Option* opt) const override {
    return Fill(opt->get_description(), kWidth - kColumn);
  }
};

std::string Default(long value) { return " (default " + std::to_string(value) + ")"; }

// "P" or "P:K": a packet number counted from 0 (or "header" where `allowHeader`), and
// how many times (1 to kMaxCount) where `times` is given.
void ParsePoint(const std::string& name, const std::string& text, bool allowHeader, long& point, int* times) {
  const CLI::ValidationError unusable(name, "'" + text + "' is not " +
                                                (times != nullptr ? "P or P:K" : allowHeader ? "P or header" : "P"));
  auto number = [&](const std::string& digits, long min, long max) {
    std::size_t used = 0;
    long value = -1;
    try {
      value = std::stol(digits, &used);
    } catch (const std::exception&) {
      throw unusable;
    }
    if (used != digits.size() || value < min || value > max) throw unusable;
    return value;
  };
  const std::size_t colon = text.find(':');
  const std::string where = text.substr(0, colon);
  point = allowHeader && where == "header" ? SimFaults::kAtHeader : number(where, 0, LONG_MAX);
  if (colon == std::string::npos) return;
  if (times == nullptr) throw unusable;
  *times = static_cast<int>(number(text.substr(colon + 1), 1, kMaxCount));
}

void AddLineOptions(CLI::App& app, StbsimOptions& o) {
  const StbsimOptions defaults;
  app.add_option("--device", o.device,
                 "use the serial device PATH instead of a new pseudo-terminal; nothing is printed then")
      ->option_text(" PATH")
      ->group("Line");
  app.add_option("--baud", o.baud, "line speed in bits per second" + Default(defaults.baud))
      ->option_text(" BPS")
      ->check(CLI::Range(1, INT_MAX))
      ->group("Line");
  app.add_flag("--pace", o.pace,
               "make every byte take its time on the line at --baud, ten bit times, as a real line "
               "does; a pseudo-terminal otherwise moves bytes at once")
      ->group("Line");
  app.add_option("--timeout", o.timeoutSeconds,
                 "give up after SEC seconds" + Default(defaults.timeoutSeconds) + "; 0 waits for ever")
      ->option_text(" SEC")
      ->check(kNotNegative)
      ->group("Line");
  app.add_option("--log", o.logFile,
                 "write the log, a line for every unit on the line, to FILE instead of standard error")
      ->option_text(" FILE")
      ->group("Line");
  app.add_flag("--quiet", o.quiet, "write no log")->group("Line");
}

void AddTimingOptions(CLI::App& app, StbsimOptions& o) {
  const SimTiming defaults;
  // A zero interval or block time would have the simulator spin; 1 ms is its least.
  auto atLeastOne = [](std::uint64_t& field) {
    return [&field](const long& ms) { field = ms == 0 ? 1 : static_cast<std::uint64_t>(ms); };
  };
  app.add_option_function<long>("--connect-interval", atLeastOne(o.timing.connectIntervalMs),
                                "serve: repeat CONNECT_REQ every MS milliseconds until the PC answers" +
                                    Default(static_cast<long>(defaults.connectIntervalMs)))
      ->option_text(" MS")
      ->check(kNotNegative)
      ->group("Timing");
  app.add_option_function<long>("--block-timeout", atLeastOne(o.timing.blockTimeoutMs),
                                "accept: give up a header or packet that stops coming after MS "
                                "milliseconds, and ask for it again" +
                                    Default(static_cast<long>(defaults.blockTimeoutMs)))
      ->option_text(" MS")
      ->check(kNotNegative)
      ->group("Timing");
  app.add_option_function<long>(
         "--save-delay", [&o](const long& ms) { o.timing.saveDelayMs = static_cast<std::uint64_t>(ms); },
         "accept: spend MS milliseconds saving what arrived before asking to terminate" +
             Default(static_cast<long>(defaults.saveDelayMs)))
      ->option_text(" MS")
      ->check(kNotNegative)
      ->group("Timing");
}

void AddFaultOptions(CLI::App& app, StbsimOptions& o) {
  const std::string group = "Faults (P is a packet number counted from 0; K how many times, 1 unless given)";
  const auto count = CLI::Range(0L, kMaxCount);
  auto counted = [&](const char* name, int& field, const char* text) {
    app.add_option(name, field, text)->option_text(" K")->check(count)->group(group);
  };
  auto packet = [&](const char* name, long& at, int* times, bool allowHeader, const char* text) {
    app.add_option_function<std::string>(
           name, [name, &at, times, allowHeader](const std::string& v) { ParsePoint(name, v, allowHeader, at, times); },
           text)
        ->option_text(times != nullptr ? " P[:K]" : " P")
        ->group(group);
  };
  SimFaults& f = o.faults;
  counted("--bad-magic", f.badMagicHeaders, "serve: the first K headers carry a wrong magic number");
  app.add_flag("--bad-header-sum", f.badHeaderSum,
               "serve: the first header with the right magic number has a wrong header sum")
      ->group(group);
  packet("--corrupt-packet", f.corruptPacket, &f.corruptTimes, false,
         "serve: packet P goes out with a damaged payload");
  packet("--bad-start-packet", f.badStartPacket, &f.badStartTimes, false,
         "serve: packet P goes out starting with 0x48 instead of 0x47");
  packet("--early-terminate-ack", f.earlyTerminateAck, nullptr, true,
         "serve: TERMINATE_ACK goes out in place of the answer to the PC's acknowledgement of packet P, "
         "or of the header when P is \"header\"");
  app.add_option("--claim-length", f.claimedDataLength,
                 "serve: the header names N data bytes, its sum made right, whatever FILE holds")
      ->option_text(" N")
      ->check(CLI::Range(0LL, static_cast<long long>(UINT32_MAX)))
      ->group(group);
  counted("--nack-header", f.nackHeaders, "accept: the first K good headers are answered HEADER_NACK");
  packet("--nack-packet", f.nackPacket, &f.nackTimes, false, "accept: good packet P is answered DATA_NACK");
  packet("--fail-terminate", f.failTerminate, nullptr, true,
         "accept: FAIL_TERMINATE_REQ answers packet P, or the header when P is \"header\"");
  app.add_option("--silent-after", f.silentAfterUnits,
                 "say nothing more once N units (codes, headers, packets) have gone out")
      ->option_text(" N")
      ->check(kNotNegative)
      ->group(group);
  app.add_option("--junk", f.junkBytes, "send N noise bytes before every code")
      ->option_text(" N")
      ->check(count)
      ->group(group);
}

}  // namespace

std::optional<int> ParseStbsimOptions(int argc, char** argv, StbsimOptions& o) {
  CLI::App app;
  app.name("stbsim");
  app.formatter(std::make_shared<ManualFormatter>());
  app.footer(kFooter);
  // As in most tools, an option given twice takes its last value.
  app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  app.set_help_flag("-h,--help", "print this help and exit");
  app.set_version_flag("--version", std::string("stbsim ") + QUELMAR_VERSION, "print the version and exit");

  std::string mode;
  app.add_option("MODE", mode,
                 "serve: send the database image in FILE when the PC asks to receive (\"Receive from "
                 "STB\"); accept: take the image the PC sends (\"Send to STB\") and write it to FILE")
      ->check(CLI::IsMember({"serve", "accept"}))
      ->required();
  app.add_option("FILE", o.file,
                 "serve: a database file (.qdb); accept: the file to write, replaced whole and only "
                 "once the transfer has succeeded")
      ->required();
  AddLineOptions(app, o);
  AddTimingOptions(app, o);
  AddFaultOptions(app, o);

  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& e) {  // --help, --version
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "stbsim: " << e.what() << "\n(stbsim --help explains the arguments and options)\n";
    return kStbsimUsage;
  }
  o.role = mode == "accept" ? SimRole::Accept : SimRole::Serve;
  return std::nullopt;
}
