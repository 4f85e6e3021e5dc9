#include "hardening/FaultMatrix.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>

#include "db/document/CQuelmarDoc.h"
#include "hardening/LineFaultFilter.h"
#include "link/DataPacket.h"
#include "link/JRxThread.h"
#include "link/JTxThread.h"
#include "link/LinkHeader.h"
#include "link/LinkTexts.h"
#include "sim/MemoryPort.h"
#include "sim/SimReceiver.h"
#include "support/FarEnd.h"
#include "support/RecordingObserver.h"
#include "support/SampleDocs.h"
#include "support/Wait.h"

namespace {

// Far beyond the slowest legitimate ending (the retry limit is 1001 waits of 50 ms,
// a header or packet wait up to 1024 of them): a transfer still running then hangs.
constexpr std::uint64_t kBoundMs = 10 * 60 * 1000;
constexpr int kDbType = 3;

// Past the time bound on the line, or going round in circles: the transfer will not end.
bool Overtime(const MemoryPort& line, const LineFaultFilter& filter) {
  return filter.Looping() || line.NowMs() > kBoundMs;
}

// A message that is `text`, or says it first with its cause on the lines below.
bool Has(const std::vector<std::string>& messages, const char* text) {
  return std::any_of(messages.begin(), messages.end(), [text](const std::string& m) {
    return m == text || m.starts_with(std::string(text) + '\n');
  });
}

// The simulator's own faults, for the kinds it injects itself (the same switches as
// stbsim's command line).
SimFaults SimFaultsFor(Direction d, const LineFault& f) {
  SimFaults s;
  const long packet = f.finalPacket ? static_cast<long>(DataPacket::LastIndex(LinkHeader::kFullDataLength)) : 0;
  const long at = f.step == 6 || f.step == 7 ? SimFaults::kAtHeader : packet;
  if (f.kind == FaultKind::Nack) {
    if (d == Direction::Receive) {
      // The receiver sends what the PC must reject.
      if (f.step == 6) s.badMagicHeaders = 1;
      if (f.step == 10) s.badStartPacket = packet;
    } else {
      if (f.step == 6) s.nackHeaders = 1;
      if (f.step == 10) s.nackPacket = packet;
    }
  }
  if (f.kind == FaultKind::EarlyTerminate) {
    if (d == Direction::Receive && (f.step == 7 || f.step == 11)) s.earlyTerminateAck = at;
    if (d == Direction::Send && (f.step == 6 || f.step == 10)) s.failTerminate = at;
  }
  return s;
}

Ending FailureEnding(const std::vector<std::string>& messages, const std::string& status) {
  if (Has(messages, LinkTexts::kNoResponse)) return Ending::NoResponse;
  if (Has(messages, LinkTexts::kDownloadFail)) return Ending::DownloadFail;
  if (messages.empty() && status == LinkTexts::kRxStatus[JRxThread::STATUS_RCV_END]) return Ending::QuietEnd;
  return Ending::Unexpected;
}

CellResult RunReceive(const LineFault& fault, const SimFaults* persistent) {
  CellResult r;
  const auto& image = MatrixImage();
  SimReceiver sim(SimRole::Serve, persistent != nullptr ? *persistent : SimFaultsFor(Direction::Receive, fault));
  sim.SetImage(image);
  testkit::RecordingObserver observer;
  JRxThread rx;
  auto port = std::make_unique<MemoryPort>();
  MemoryPort& line = *port;
  LineFaultFilter filter(Direction::Receive, fault, LinkHeader::kFullDataLength);
  testkit::FarEnd far(line, sim, {}, filter.Filter());
  rx.Start(observer, std::move(port));
  rx.BeginReceive();
  const bool ended = testkit::WaitUntil([&] { return rx.IsIdle() || Overtime(line, filter); },
                                        std::chrono::seconds(60), std::chrono::microseconds(50));
  const bool idle = rx.IsIdle();
  const auto stopStart = std::chrono::steady_clock::now();
  rx.Stop();
  r.stopMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - stopStart).count();
  r.virtualMs = line.NowMs();
  r.injected = filter.Injected() || (fault.kind == FaultKind::EarlyTerminate && sim.Outcome() == SimOutcome::Failed);
  const auto messages = observer.Messages();
  if (!ended || !idle) {
    r.ending = filter.Looping() ? Ending::Looping : Ending::Hang;
    r.detail = "still in state " + std::to_string(rx.CurrentState());
  } else if (rx.Completed()) {
    const bool same = rx.ImageSize() == image.size() && std::memcmp(rx.ImageBuffer(), image.data(), image.size()) == 0;
    r.ending = same && Has(messages, LinkTexts::kDownloadOk) ? Ending::Completed : Ending::Wrong;
    if (!same) r.detail = "received image differs from the one sent";
  } else if (Has(messages, LinkTexts::kDownloadOk) || observer.OkEnabled()) {
    r.ending = Ending::Wrong;
    r.detail = "success shown for a receive that did not complete";
  } else {
    r.ending = FailureEnding(messages, observer.Status());
  }
  return r;
}

CellResult RunSend(const LineFault& fault, const SimFaults* persistent) {
  CellResult r;
  static const std::unique_ptr<CQuelmarDoc> doc = MatrixDocument();
  const auto& image = MatrixImage();
  const std::vector<std::uint8_t> data(image.begin() + LinkHeader::kSize, image.end());
  const LinkHeader header = LinkHeader::ForSend(kDbType, data.data(), static_cast<std::uint32_t>(data.size()));

  SimReceiver sim(SimRole::Accept, persistent != nullptr ? *persistent : SimFaultsFor(Direction::Send, fault));
  testkit::RecordingObserver observer;
  JTxThread tx;
  auto port = std::make_unique<MemoryPort>();
  MemoryPort& line = *port;
  LineFaultFilter filter(Direction::Send, fault, static_cast<std::uint32_t>(data.size()));
  testkit::FarEnd far(line, sim, {}, filter.Filter());
  tx.Start(observer, std::move(port));
  tx.PrepareSend(*doc);
  const bool ended = testkit::WaitUntil([&] { return tx.IsIdle() || Overtime(line, filter); },
                                        std::chrono::seconds(60), std::chrono::microseconds(50));
  const int state = tx.CurrentState();
  const auto stopStart = std::chrono::steady_clock::now();
  tx.Finish();
  r.stopMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - stopStart).count();
  r.virtualMs = line.NowMs();
  r.injected = filter.Injected() || (fault.kind == FaultKind::EarlyTerminate && sim.Outcome() == SimOutcome::Failed);
  const auto messages = observer.Messages();

  // The receiver stores what it took before it asks to terminate, so once it has
  // succeeded, or the PC has heard its TERMINATE_REQ, it must hold exactly the image.
  const auto& got = sim.ReceivedImage();
  const bool holdsImage = got.size() == image.size() &&
                          std::memcmp(got.data(), header.Bytes(), LinkHeader::kSize) == 0 &&
                          std::memcmp(got.data() + LinkHeader::kSize, data.data(), data.size()) == 0;
  const bool receiverWrong = sim.Outcome() == SimOutcome::Succeeded && !holdsImage;
  if (!ended) {
    r.ending = Ending::Hang;
    r.detail = "livelocked";
  } else if (receiverWrong) {
    r.ending = Ending::Wrong;
    r.detail = "the receiver stored an image that differs from the one sent";
  } else if (state != JTxThread::TX_IDLE) {
    const bool connecting = state == JTxThread::TX_SEND_CONNECT_REQ || state == JTxThread::TX_WAIT_CONNECT_ACK;
    r.ending = !tx.IsIdle()     ? Ending::Hang
               : connecting      ? Ending::UntilCancel
               : filter.Looping()  ? Ending::Looping
                                 : Ending::Hang;
    r.detail = "still in state " + std::to_string(state);
  } else if (tx.Succeeded()) {
    r.ending = holdsImage ? Ending::Completed : Ending::Wrong;
    if (!holdsImage) r.detail = "success shown but the receiver does not hold the image";
  } else {
    r.ending = FailureEnding(messages, observer.Status());
  }
  return r;
}

}  // namespace

std::unique_ptr<CQuelmarDoc> MatrixDocument() { return testkit::SampleDocument(kDbType); }

bool AcceptableEnding(Direction d, Ending e) {
  switch (e) {
    case Ending::Completed:
    case Ending::DownloadFail:
    case Ending::NoResponse: return true;
    case Ending::QuietEnd: return d == Direction::Receive;
    case Ending::UntilCancel: return d == Direction::Send;
    default: return false;
  }
}

const char* EndingCode(Ending e) {
  switch (e) {
    case Ending::Completed: return "ok";
    case Ending::DownloadFail: return "fail";
    case Ending::NoResponse: return "nrsp";
    case Ending::QuietEnd: return "end";
    case Ending::UntilCancel: return "cncl";
    case Ending::Looping: return "loop";
    case Ending::Wrong: return "WRONG";
    case Ending::Hang: return "HANG";
    case Ending::Unexpected: return "???";
  }
  return "???";
}

const std::vector<std::uint8_t>& MatrixImage() {
  static const std::vector<std::uint8_t> image = testkit::ImageOf(*MatrixDocument());
  return image;
}

CellResult RunCell(Direction direction, const LineFault& fault, const SimFaults* persistent) {
  return direction == Direction::Receive ? RunReceive(fault, persistent) : RunSend(fault, persistent);
}

std::vector<LineFault> MatrixRows() {
  std::vector<LineFault> rows;
  for (int step = 1; step <= kStepCount; ++step) {
    rows.push_back({step, false, FaultKind::Lost});
    if (step >= 8 && step <= 11) rows.push_back({step, true, FaultKind::Lost});
  }
  // First packet's steps 8-11 together, then the final packet's.
  std::stable_sort(rows.begin(), rows.end(), [](const LineFault& a, const LineFault& b) {
    const int ka = a.step >= 8 && a.step <= 11 ? 8 + (a.finalPacket ? 4 : 0) : a.step < 8 ? 0 : 20;
    const int kb = b.step >= 8 && b.step <= 11 ? 8 + (b.finalPacket ? 4 : 0) : b.step < 8 ? 0 : 20;
    return ka < kb;
  });
  return rows;
}

std::string RowLabel(Direction direction, const LineFault& row) {
  std::string label = std::to_string(row.step);
  if (label.size() < 2) label.insert(0, " ");
  label += " ";
  label += StepUnitName(row.step);
  if (row.step >= 8 && row.step <= 11) label += row.finalPacket ? " (final)" : " (first)";
  label.resize(28, ' ');
  label += ReceiverSpeaks(direction, row.step) ? "STB>PC" : "PC>STB";
  return label;
}
