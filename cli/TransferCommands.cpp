#include "cli/TransferCommands.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <ctime>
#include <cstdio>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "cli/CliCommon.h"
#include "db/document/CQuelmarDoc.h"
#include "db/document/DbTexts.h"
#include "db/document/FileIo.h"
#include "db/document/ReceivedImages.h"
#include "db/exchange/DatabaseCheck.h"
#include "db/records/DbType.h"
#include "db/records/TextFill.h"
#include "link/JRxThread.h"
#include "link/JTxThread.h"
#include "link/LinkAdvice.h"
#include "link/LinkTexts.h"
#include "link/SerialPort.h"
#include "link/TransferObserver.h"
#include "link/TransferPort.h"

namespace {

const char* const kSendWithErrors =
    "%1 has %2 %3 (%4); `quelmar-cli check` lists them; nothing sent (--force sends it anyway)";

// Set by SIGINT/SIGTERM to the signal's number: the transfer is stopped as the
// dialog's Cancel would, and the program ends with 128 + that number, as a shell
// expects of a program a signal ended, so a loop around it stops too.
std::atomic<int> interrupted{0};

extern "C" void OnInterrupt(int sig) { interrupted.store(sig); }

// The exit status of a transfer that did not run to its end.
int Stopped(const std::string& what) {
  const int sig = interrupted.load();
  cli::Fail(what);
  return sig != 0 ? 128 + sig : cli::kExitTrouble;
}

void CatchInterrupts() {
  struct sigaction sa = {};
  sa.sa_handler = OnInterrupt;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
}

// Shows a transfer on stderr. On a terminal one line is redrawn in place with the
// status, a progress bar and the retry count; otherwise each status is printed the first
// time it appears (the per-packet cycle would repeat them hundreds of times) and the
// progress every tenth of the way. Messages and totals are lines of their own.
class ConsoleObserver : public TransferObserver {
 public:
  ConsoleObserver() : tty_(::isatty(STDERR_FILENO) == 1) {}
  ~ConsoleObserver() override { EndLine(); }

  // Leaves the progress line as it stands, so a message that follows gets a line of
  // its own.
  void EndLine() {
    std::lock_guard lock(mutex_);
    EndBar();
  }

  // The status line when the engine ended on a lost line ("Line lost: <reason>"),
  // otherwise "". A terminal shows only the start of the status on the progress line.
  std::string LineLost() {
    std::lock_guard lock(mutex_);
    return status_.starts_with(LinkTexts::kLineLost) ? status_ : std::string();
  }

  void SetText(Field field, const std::string& text) override {
    std::lock_guard lock(mutex_);
    if (field == Field::Retry) {
      retry_ = text;
      if (tty_) DrawBar();
      return;
    }
    if (field == Field::Status && text != status_) {
      status_ = text;
      if (tty_) {
        DrawBar();
      } else if (seen_.insert(text).second) {
        Line("status: " + text);
      }
    } else if (field == Field::Total) {
      Line("total: " + text + " bytes");
    } else if (field == Field::Expected) {
      Line("expected: " + text);
    }
  }
  void SetProgressRange(int low, int high) override {
    std::lock_guard lock(mutex_);
    low_ = low;
    high_ = high;
    shownTenth_ = -1;
  }
  void SetProgressPos(int pos) override {
    std::lock_guard lock(mutex_);
    pos_ = pos;
    if (tty_) {
      DrawBar();
      return;
    }
    const int span = high_ - low_;
    if (span <= 0) return;
    const int tenth = (pos - low_) * 10 / span;
    if (tenth != shownTenth_) {
      shownTenth_ = tenth;
      Line("progress: " + std::to_string(pos - low_) + "/" + std::to_string(span));
    }
  }
  void EnableOk() override {}
  void RestartClock() override {
    std::lock_guard lock(mutex_);
    clockStart_ = std::chrono::steady_clock::now();
    clockRunning_ = true;
  }
  void StopClock() override {
    std::lock_guard lock(mutex_);
    if (!clockRunning_) return;
    clockRunning_ = false;
    const auto s = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - clockStart_);
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld", static_cast<long long>(s.count() / 60),
                  static_cast<long long>(s.count() % 60));
    Line(std::string("elapsed: ") + text);
  }
  void SetCancelCaption(const std::string&) override {}
  void ShowMessage(const std::string& text) override {
    std::lock_guard lock(mutex_);
    Line(linkadvice::WithAdvice(text));
  }
  void Unblock() override {}

 private:
  // Caller holds the mutex.
  // A message may hold several lines (a port's open error and its reason); each is
  // escaped on its own.
  void Line(const std::string& text) {
    EndBar();
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
      std::fprintf(stderr, "%s\n", cli::EscapeControls(text.substr(start, end - start)).c_str());
    std::fprintf(stderr, "%s\n", cli::EscapeControls(text.substr(start)).c_str());
  }
  // Leaves the bar as it stands now on its own line.
  void EndBar() {
    if (!barShown_) return;
    DrawBar(true);
    std::fputc('\n', stderr);
    barShown_ = false;
  }
  // A terminal needs no more than about twenty frames a second.
  void DrawBar(bool force = false) {
    const auto now = std::chrono::steady_clock::now();
    if (!force && barShown_ && now - lastDraw_ < std::chrono::milliseconds(50)) return;
    lastDraw_ = now;
    const int span = high_ - low_;
    constexpr int kWidth = 30;
    const int done = span <= 0 ? 0 : std::min(kWidth, std::max(0, (pos_ - low_) * kWidth / span));
    std::string bar(static_cast<std::size_t>(done), '#');
    bar.append(static_cast<std::size_t>(kWidth - done), '.');
    const std::string retry = retry_.empty() || retry_ == "0" ? "" : " retry " + retry_;
    std::fprintf(stderr, "\r\033[K%-30.30s [%s] %d/%d%s", status_.c_str(), bar.c_str(), pos_ - low_,
                 span > 0 ? span : 0, retry.c_str());
    std::fflush(stderr);
    barShown_ = true;
  }

  const bool tty_;
  std::mutex mutex_;
  std::string status_;
  std::set<std::string> seen_;
  std::string retry_;
  int low_ = 0, high_ = 0, pos_ = 0;
  int shownTenth_ = -1;
  bool barShown_ = false;
  std::chrono::steady_clock::time_point lastDraw_;
  bool clockRunning_ = false;
  std::chrono::steady_clock::time_point clockStart_;
};

// Waits until the engine is idle again, the interrupt arrives or `timeoutSeconds` (0:
// never) pass. True when the engine ended by itself.
template <typename Engine>
bool WaitForEnd(const Engine& engine, int timeoutSeconds) {
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
  while (!engine.IsIdle()) {
    if (interrupted.load() != 0) return false;
    if (timeoutSeconds > 0 && std::chrono::steady_clock::now() > limit) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

struct TransferArgs {
  int dbType = dbtype::kDefault;
  std::string port;
  int baud = 115200;
  int timeout = 0;
  std::string file;
  bool noKeep = false;
  bool force = false;
};

// What `check` calls an error in the file, said as a refusal: a database with errors
// sends list entries and members the receiver cannot follow, and a header check calls
// wrong is one a script must not send unawares. "" when there are none. The section
// checksums are made afresh for the line, so they are not in question. `file` as the
// user named it.
std::string CheckErrors(const CQuelmarDoc& doc, const std::string& file) {
  const CheckReport report = dbcheck::CheckDocument(doc.Header().Bytes(), doc.Working(), doc.GetDbType());
  const int errors = report.Errors();
  if (errors == 0) return {};
  std::vector<std::string_view> kinds;
  for (const Problem& p : report.problems)
    if (p.severity == Severity::Error && std::find(kinds.begin(), kinds.end(), p.KindId()) == kinds.end())
      kinds.push_back(p.KindId());
  std::string list;
  for (std::string_view k : kinds) list += (list.empty() ? "" : ", ") + std::string(k);
  return text::Fill(kSendWithErrors, {file, std::to_string(errors), errors == 1 ? "error" : "errors", list});
}

void AddLineOptions(CLI::App* sub, TransferArgs& a) {
  cli::AddTypeOption(sub, a.dbType);
  sub->add_option("--port", a.port,
                  "the serial port: \"COM1\" to \"COM4\" (/dev/ttyS0 to /dev/ttyS3) or a device path "
                  "such as /dev/ttyUSB0, or the pseudo-terminal that stbsim prints")
      ->type_name("PORT")
      ->required();
  sub->add_option("--baud", a.baud, "line speed in bits per second: 9600, 19200, 38400, 57600 or 115200")
      ->type_name("BPS")
      ->check(CLI::IsMember({9600, 19200, 38400, 57600, 115200}))
      ->capture_default_str();
  sub->add_option("--timeout", a.timeout,
                  "give up after SEC seconds; 0 waits until the transfer ends or is interrupted")
      ->type_name("SEC")
      ->check(CLI::NonNegativeNumber)
      ->capture_default_str();
}

// The copy in the user's data folder; a copy that cannot be written is reported and the
// receive goes on.
void KeepReceived(const std::uint8_t* image, std::size_t size, bool skip) {
  if (skip) return;
  const received::KeepResult kept = received::Keep(image, size, std::time(nullptr));
  if (!kept.ok) cli::Fail(kept.message);
  cli::ReportNotice(kept.notice);
}

// The reason on stderr when the engine ended because the line went away.
void ReportLineLost(ConsoleObserver& observer) {
  const std::string lost = observer.LineLost();
  if (!lost.empty()) cli::Fail(lost);
}

int Receive(const TransferArgs& a) {
  ConsoleObserver observer;
  CQuelmarDoc doc;
  doc.SetDbType(a.dbType);
  // The output must be writable before a 40-second transfer starts: its temporary file
  // is made now, and the port is not touched when it cannot be.
  fileio::AtomicFile out;
  const Result ready = out.Begin(a.file);
  if (!ready.ok) return cli::Fail(fileio::Describe(ready, a.file, DbTexts::kCannotSave));
  // Unlike the window, which lets the transfer run into its limit, a script learns at
  // once that the port is not there.
  auto port = OpenTransferPort(observer, a.port, a.baud);
  if (!port->IsOpen()) return cli::kExitTrouble;
  JRxThread engine;
  if (!engine.Start(observer, std::move(port))) return cli::kExitTrouble;
  CatchInterrupts();
  if (!engine.BeginReceive()) return cli::kExitTrouble;
  const bool ended = WaitForEnd(engine, a.timeout);
  engine.Stop();
  observer.EndLine();
  if (!ended) return Stopped("receive stopped before it ended; nothing written");
  ReportLineLost(observer);
  if (!engine.Completed()) {
    // The window shows only its status line then; a script is told why.
    if (!engine.HeaderRefusal().empty()) return cli::Fail(engine.HeaderRefusal() + " Nothing written.");
    return cli::kExitTrouble;
  }

  // Only a whole, valid image becomes a document; anything else would load garbage.
  const Result taken = doc.LoadReceivedImage(engine.ImageBuffer(), engine.ImageSize());
  if (taken.code == ResultCode::ShortImage)
    return cli::Fail("the receiver sent " + std::to_string(engine.DataLength()) +
                     " data bytes, not a whole database image; nothing written");
  if (!taken) return cli::Fail("the receiver's image is marked as holding no database; nothing written");
  KeepReceived(engine.ImageBuffer(), engine.ImageSize(), a.noKeep);
  const Result saved = doc.SaveTo(out);
  if (saved) cli::ReportNotice(saved.notice);
  return saved ? cli::kExitOk : cli::Fail(saved.message);
}

int Send(const TransferArgs& a) {
  ConsoleObserver observer;
  CQuelmarDoc doc;
  doc.SetDbType(a.dbType);
  const Result opened = doc.Open(a.file);
  if (!opened) return cli::Fail(cli::NamingFile(opened.message, a.file));
  if (!a.force) {
    if (const std::string errors = CheckErrors(doc, a.file); !errors.empty()) return cli::Fail(errors);
  }
  auto port = OpenTransferPort(observer, a.port, a.baud);
  if (!port->IsOpen()) return cli::kExitTrouble;
  JTxThread engine;
  if (!engine.Start(observer, std::move(port))) return cli::kExitTrouble;
  CatchInterrupts();
  if (!engine.PrepareSend(doc)) return cli::kExitTrouble;
  const bool ended = WaitForEnd(engine, a.timeout);
  engine.Finish();
  observer.EndLine();
  if (!ended) return Stopped("send stopped before it ended");
  ReportLineLost(observer);
  return engine.Succeeded() ? cli::kExitOk : cli::kExitTrouble;
}

}  // namespace

void AddTransferCommands(CLI::App& app, int& exitCode) {
  auto args = std::make_shared<TransferArgs[]>(2);
  {
    TransferArgs& a = args[0];
    CLI::App* sub = app.add_subcommand(
        "receive", "receive the database the receiver sends over the serial line and save it to OUT");
    AddLineOptions(sub, a);
    sub->add_option("OUT", a.file, "file to write; written only after a complete, valid image has arrived")
        ->required();
    sub->add_flag("--no-keep", a.noKeep,
                  "do not keep a copy of the received image in $XDG_DATA_HOME/Quelmar/received "
                  "(~/.local/share/Quelmar/received), where the newest 50 are kept");
    sub->callback([&exitCode, &a, args] { exitCode = Receive(a); });
  }
  {
    TransferArgs& a = args[1];
    CLI::App* sub = app.add_subcommand("send", "send the database file IN to the receiver over the serial line");
    AddLineOptions(sub, a);
    sub->add_option("IN", a.file, "database file to send")->required();
    sub->add_flag("--force", a.force, "send even when the database has check errors, which are refused otherwise");
    sub->callback([&exitCode, &a, args] { exitCode = Send(a); });
  }
}
