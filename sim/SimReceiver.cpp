#include "sim/SimReceiver.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "link/LinkCodes.h"

namespace {

// Junk is never a link code, so it can only ever be noise to the other side.
constexpr std::uint8_t kJunk[] = {0x00, 0x55, 0xAA, 0x47, 0xFF, 0x10, 0x7F};

std::string Hex(std::uint8_t b) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02x", b);
  return text;
}

std::string CodeName(std::uint8_t b) {
  const char* name = LinkCode::Name(b);
  return name != nullptr ? name : Hex(b);
}

}  // namespace

SimReceiver::SimReceiver(SimRole role, SimFaults faults, SimTiming timing)
    : role_(role), faults_(faults), timing_(timing) {}

void SimReceiver::SetImage(const std::vector<std::uint8_t>& image) {
  header_ = LinkHeader();
  data_.clear();
  if (image.size() >= LinkHeader::kSize) {
    header_ = LinkHeader(image.data());
    data_.assign(image.begin() + LinkHeader::kSize, image.end());
  }
  dataLength_ = static_cast<std::uint32_t>(data_.size());
  header_.SetDataLength(dataLength_);
  header_.UpdateHeaderSum();
}

void SimReceiver::Start(std::uint64_t nowMs) {
  now_ = nowMs;
  corruptLeft_ = faults_.corruptTimes;
  badStartLeft_ = faults_.badStartTimes;
  headerNacksLeft_ = faults_.nackHeaders;
  packetNacksLeft_ = faults_.nackTimes;
  if (role_ == SimRole::Serve) {
    Note("serving " + std::to_string(dataLength_) + " data bytes in " +
         std::to_string(DataPacket::Count(dataLength_)) + " packets");
    step_ = Step::SendConnect;
    SendCode(LinkCode::CONNECT_REQ);
    deadline_ = now_ + timing_.connectIntervalMs;
  } else {
    Note("waiting for the PC to connect");
    step_ = Step::WaitConnectReq;
    deadline_ = kNoDeadline;
  }
}

void SimReceiver::OnReceived(const std::uint8_t* data, std::size_t count, std::uint64_t nowMs) {
  now_ = std::max(now_, nowMs);
  for (std::size_t i = 0; i < count; ++i) OnByte(data[i]);
}

void SimReceiver::OnTime(std::uint64_t nowMs) {
  now_ = std::max(now_, nowMs);
  if (now_ < deadline_) return;
  deadline_ = kNoDeadline;
  switch (step_) {
    case Step::SendConnect:
      SendCode(LinkCode::CONNECT_REQ);
      deadline_ = now_ + timing_.connectIntervalMs;
      break;
    case Step::ReadHeader:
      Note("header incomplete after " + std::to_string(block_.size()) + " bytes; asking again");
      RequestHeader();
      break;
    case Step::ReadPacket:
      Note("packet " + std::to_string(nextPacket_) + " incomplete after " +
           std::to_string(block_.size()) + " bytes; asking again");
      RequestPacket();
      break;
    case Step::Saving:
      SendCode(LinkCode::TERMINATE_REQ);
      step_ = Step::WaitTerminateAck;
      break;
    default:
      break;
  }
}

std::uint64_t SimReceiver::NextDeadlineMs() const { return Done() ? kNoDeadline : deadline_; }

void SimReceiver::OnByte(std::uint8_t b) {
  if (step_ == Step::Idle || step_ == Step::Finished) {
    Stray(b);
    return;
  }
  if (role_ == SimRole::Serve)
    ServeByte(b);
  else
    AcceptByte(b);
}

void SimReceiver::ServeByte(std::uint8_t b) {
  using namespace LinkCode;
  if (b == FAIL_TERMINATE_REQ) {
    Note("PC>  FAIL_TERMINATE_REQ");
    SendCode(TERMINATE_ACK);
    Finish(SimOutcome::Failed);
    return;
  }
  switch (step_) {
    case Step::SendConnect:
      if (b != CONNECT_ACK) break;
      Note("PC>  CONNECT_ACK");
      deadline_ = kNoDeadline;
      SendCode(CONNECT_RE_ACK);
      step_ = Step::WaitHeaderReq;
      return;
    case Step::WaitHeaderReq:
      if (b != HEADER_REQ) break;
      Note("PC>  HEADER_REQ");
      SendHeader();
      step_ = Step::WaitHeaderAnswer;
      return;
    case Step::WaitHeaderAnswer:
      if (b != HEADER_ACK && b != HEADER_NACK) break;
      Note("PC>  " + CodeName(b));
      if (b == HEADER_NACK) ++stats_.nacksReceived;
      if (faults_.earlyTerminateAck == SimFaults::kAtHeader) {
        SendCode(TERMINATE_ACK);
        Finish(SimOutcome::Failed);
        return;
      }
      SendCode(HEADER_RCV_ACK);
      nextPacket_ = 0;
      step_ = b == HEADER_ACK ? Step::WaitDataReq : Step::WaitHeaderReq;
      return;
    case Step::WaitDataReq:
      if (b != DATA_REQ) break;
      Note("PC>  DATA_REQ");
      SendPacket();
      step_ = Step::WaitDataAnswer;
      return;
    case Step::WaitDataAnswer:
      if (b != DATA_ACK && b != DATA_NACK) break;
      Note("PC>  " + CodeName(b) + " for packet " + std::to_string(nextPacket_));
      if (b == DATA_NACK) ++stats_.nacksReceived;
      if (faults_.earlyTerminateAck == static_cast<long>(nextPacket_)) {
        SendCode(TERMINATE_ACK);
        Finish(SimOutcome::Failed);
        return;
      }
      SendCode(DATA_RCV_ACK);
      if (b == DATA_NACK) {
        step_ = Step::WaitDataReq;  // the same packet is asked for again
      } else if (nextPacket_ == DataPacket::LastIndex(dataLength_)) {
        step_ = Step::WaitTerminateReq;
      } else {
        ++nextPacket_;
        step_ = Step::WaitDataReq;
      }
      return;
    case Step::WaitTerminateReq:
      if (b != TERMINATE_REQ) break;
      Note("PC>  TERMINATE_REQ");
      SendCode(TERMINATE_ACK);
      Finish(SimOutcome::Succeeded);
      return;
    default:
      break;
  }
  Stray(b);
}

void SimReceiver::AcceptByte(std::uint8_t b) {
  using namespace LinkCode;
  switch (step_) {
    case Step::WaitConnectReq:
      if (b != CONNECT_REQ) break;
      Note("PC>  CONNECT_REQ");
      SendCode(CONNECT_ACK);
      step_ = Step::WaitConnectReAck;
      return;
    case Step::WaitConnectReAck:
      if (b != CONNECT_RE_ACK) break;  // repeated CONNECT_REQs are answered once only
      Note("PC>  CONNECT_RE_ACK");
      RequestHeader();
      return;
    case Step::ReadHeader:
      block_.push_back(b);
      if (block_.size() == LinkHeader::kSize) JudgeHeader();
      return;
    case Step::WaitHeaderRcvAck:
      if (b != HEADER_RCV_ACK) break;
      Note("PC>  HEADER_RCV_ACK");
      if (lastAnswerAck_) {
        nextPacket_ = 0;
        RequestPacket();
      } else {
        RequestHeader();
      }
      return;
    case Step::ReadPacket:
      block_.push_back(b);
      if (block_.size() == DataPacket::kSize) JudgePacket();
      return;
    case Step::WaitDataRcvAck:
      if (b != DATA_RCV_ACK) break;
      Note("PC>  DATA_RCV_ACK");
      if (!lastAnswerAck_) {
        RequestPacket();
      } else if (nextPacket_ == DataPacket::LastIndex(dataLength_)) {
        Note("saving");
        step_ = Step::Saving;
        deadline_ = now_ + timing_.saveDelayMs;
        if (timing_.saveDelayMs == 0) OnTime(now_);
      } else {
        ++nextPacket_;
        RequestPacket();
      }
      return;
    case Step::WaitTerminateAck:
      if (b != TERMINATE_ACK) break;
      Note("PC>  TERMINATE_ACK");
      Finish(failing_ ? SimOutcome::Failed : SimOutcome::Succeeded);
      return;
    default:
      break;
  }
  Stray(b);
}

void SimReceiver::RequestHeader() {
  block_.clear();
  SendCode(LinkCode::HEADER_REQ);
  step_ = Step::ReadHeader;
  deadline_ = now_ + timing_.blockTimeoutMs;
}

void SimReceiver::RequestPacket() {
  block_.clear();
  SendCode(LinkCode::DATA_REQ);
  step_ = Step::ReadPacket;
  deadline_ = now_ + timing_.blockTimeoutMs;
}

void SimReceiver::FailTransfer(const std::string& why) {
  Note(why);
  failing_ = true;
  SendCode(LinkCode::FAIL_TERMINATE_REQ);
  step_ = Step::WaitTerminateAck;
}

void SimReceiver::JudgeHeader() {
  ++stats_.headersReceived;
  deadline_ = kNoDeadline;
  const LinkHeader h(block_.data());
  char text[160];
  std::snprintf(text, sizeof text, "PC>  header: magic 0x%08x, dataLength %u, headerSum %s",
                h.Magic(), h.DataLength(), h.HeaderSumValid() ? "right" : "wrong");
  Note(text);
  step_ = Step::WaitHeaderRcvAck;
  if (!h.MagicValid() || headerNacksLeft_ > 0) {
    if (h.MagicValid()) --headerNacksLeft_;
    ++stats_.nacksSent;
    lastAnswerAck_ = false;
    SendCode(LinkCode::HEADER_NACK);
    return;
  }
  if (!h.HeaderSumValid()) return FailTransfer("header sum wrong: giving up");
  // A receiver has room for one full image and no more.
  if (h.DataLength() > LinkHeader::kFullDataLength) return FailTransfer("dataLength too large");
  if (faults_.failTerminate == SimFaults::kAtHeader) return FailTransfer("failing at the header");
  dataLength_ = h.DataLength();
  received_.assign(LinkHeader::kSize + static_cast<std::size_t>(dataLength_), 0);
  std::memcpy(received_.data(), block_.data(), LinkHeader::kSize);
  lastAnswerAck_ = true;
  SendCode(LinkCode::HEADER_ACK);
}

void SimReceiver::JudgePacket() {
  ++stats_.packetsReceived;
  deadline_ = kNoDeadline;
  const DataPacket p(block_.data());
  const DataPacket::Check check = p.Verify();
  const std::string which = "packet " + std::to_string(nextPacket_);
  Note("PC>  " + which + (check == DataPacket::Check::Ok         ? ""
                          : check == DataPacket::Check::BadStart ? " (bad start byte)"
                                                                 : " (bad sum)"));
  step_ = Step::WaitDataRcvAck;
  const bool forcedNack = faults_.nackPacket == static_cast<long>(nextPacket_) && packetNacksLeft_ > 0;
  if (check == DataPacket::Check::Ok && faults_.failTerminate == static_cast<long>(nextPacket_))
    return FailTransfer("failing at " + which);
  if (check != DataPacket::Check::Ok || forcedNack) {
    if (check == DataPacket::Check::Ok) --packetNacksLeft_;
    ++stats_.nacksSent;
    lastAnswerAck_ = false;
    SendCode(LinkCode::DATA_NACK);
    return;
  }
  const std::size_t n = DataPacket::PayloadLength(dataLength_, nextPacket_);
  std::memcpy(received_.data() + LinkHeader::kSize + DataPacket::DataOffset(nextPacket_),
              p.Payload(), n);
  lastAnswerAck_ = true;
  SendCode(LinkCode::DATA_ACK);
}

void SimReceiver::SendCode(std::uint8_t code) {
  if (faults_.junkBytes > 0 && !silent_) {
    std::vector<std::uint8_t> junk;
    for (int i = 0; i < faults_.junkBytes; ++i) junk.push_back(kJunk[junkCounter_++ % sizeof kJunk]);
    if (output_) output_(junk.data(), junk.size());
    Note("STB> junk, " + std::to_string(junk.size()) + " bytes");
  }
  SendUnit(&code, 1, CodeName(code));
}

void SimReceiver::SendHeader() {
  LinkHeader h = header_;
  ++headersOut_;
  std::string what = "header";
  if (faults_.claimedDataLength >= 0) {
    h.SetDataLength(static_cast<std::uint32_t>(faults_.claimedDataLength));
    h.UpdateHeaderSum();
    what += " naming " + std::to_string(h.DataLength()) + " data bytes";
  }
  if (headersOut_ <= faults_.badMagicHeaders) {
    h.SetMagic(LinkHeader::kMagic ^ 0x00010000);
    h.UpdateHeaderSum();
    what += " with a wrong magic";
  } else if (faults_.badHeaderSum && !headerSumSpoiled_) {
    headerSumSpoiled_ = true;
    h.SetHeaderSum(h.HeaderSum() + 1);
    what += " with a wrong headerSum";
  }
  ++stats_.headersSent;
  SendUnit(h.Bytes(), LinkHeader::kSize, what);
}

void SimReceiver::SendPacket() {
  DataPacket p = DataPacket::Build(data_.data(), dataLength_, nextPacket_);
  std::string what = "packet " + std::to_string(nextPacket_);
  if (faults_.corruptPacket == static_cast<long>(nextPacket_) && corruptLeft_ > 0) {
    --corruptLeft_;
    p.Bytes()[DataPacket::kPayloadOffset] ^= 0xFF;  // changes the sum by an odd amount
    what += " with a damaged payload";
  }
  if (faults_.badStartPacket == static_cast<long>(nextPacket_) && badStartLeft_ > 0) {
    --badStartLeft_;
    p.Bytes()[0] = 0x48;
    what += " starting 0x48";
  }
  ++stats_.packetsSent;
  SendUnit(p.Bytes(), DataPacket::kSize, what);
}

void SimReceiver::SendUnit(const std::uint8_t* data, std::size_t count, const std::string& what) {
  if (!silent_ && faults_.silentAfterUnits >= 0 &&
      stats_.unitsSent >= static_cast<std::size_t>(faults_.silentAfterUnits)) {
    silent_ = true;
    Note("STB goes silent");
  }
  if (silent_) {
    Note("STB  (silent, would send " + what + ")");
    return;
  }
  if (output_) output_(data, count);
  ++stats_.unitsSent;
  Note("STB> " + what);
}

void SimReceiver::Stray(std::uint8_t b) {
  ++stats_.strayBytes;
  Note("PC>  unexpected " + CodeName(b));
}

void SimReceiver::Finish(SimOutcome outcome) {
  outcome_ = outcome;
  step_ = Step::Finished;
  deadline_ = kNoDeadline;
  Note(outcome == SimOutcome::Succeeded ? "transfer complete" : "transfer failed");
}

void SimReceiver::Note(const std::string& line) {
  if (!log_) return;
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%8llu ms  ", static_cast<unsigned long long>(now_));
  log_(stamp + line);
}

SimReceiverPeer::SimReceiverPeer(MemoryPort& port, SimReceiver& sim) : port_(port), sim_(sim) {
  outTime_ = port_.NowMs();
  sim_.SetOutput([this](const std::uint8_t* data, std::size_t count) { port_.FeedAt(outTime_, data, count); });
  port_.SetPeer(this);
}

SimReceiverPeer::~SimReceiverPeer() {
  port_.SetPeer(nullptr);
  sim_.SetOutput({});
}

void SimReceiverPeer::OnWrite(MemoryPort& port) {
  std::vector<std::uint8_t> unit = port.TakeWritten();
  outTime_ = port.NowMs();
  if (!unit.empty()) sim_.OnReceived(unit.data(), unit.size(), outTime_);
}

void SimReceiverPeer::OnWait(MemoryPort& port, std::uint64_t deadlineMs) {
  // Run the simulator's timers that fall inside this wait, stopping once it has said
  // something the engine can read.
  for (int guard = 0; guard < 1000; ++guard) {
    const std::uint64_t due = sim_.NextDeadlineMs();
    if (due > deadlineMs) return;
    outTime_ = std::max(due, port.NowMs());
    const std::size_t before = port.PendingForEngine();
    sim_.OnTime(outTime_);
    if (port.PendingForEngine() > before) return;
  }
}
