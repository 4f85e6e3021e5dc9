#include "link/JRxThread.h"

#include <cstring>
#include <new>
#include <utility>

#include "link/LinkCodes.h"
#include "link/LinkTexts.h"

namespace {

constexpr std::size_t kHeaderSize = LinkHeader::kSize;
constexpr std::uint32_t kPayload = DataPacket::kPayloadSize;

// `text` with its %1 and %2 filled.
std::string Fill(std::string text, const std::string& a1, const std::string& a2) {
  text.replace(text.find("%1"), 2, a1);
  text.replace(text.find("%2"), 2, a2);
  return text;
}

// Wrong-magic headers survive from one receive to the next for the whole program run.
std::atomic<int> badHeaderCount{0};

}  // namespace

int JRxThread::BadHeaderCount() { return badHeaderCount.load(); }

JRxThread::JRxThread()
    : TransferEngine({.idleState = STATUS_RCV_NULL,
                      .failState = STATUS_RCV_FAIL,
                      .successState = STATUS_RCV_END,
                      .createFailText = LinkTexts::kRxCreateFail,
                      // The port is opened even when no worker can be had.
                      .openPortFirst = true}) {}

JRxThread::~JRxThread() { StopWorker(); }

int JRxThread::Start(TransferObserver& observer, const std::string& portName, int baud) {
  // A port that does not open is reported and the receive still runs into its retry
  // limit, so the user sees the same ending as with a silent receiver.
  return StartEngine(observer, portName, baud);
}

int JRxThread::Start(TransferObserver& observer, std::unique_ptr<Transport> port) {
  return StartEngine(observer, std::move(port));
}

int JRxThread::BeginReceive() {
  // One engine serves one receive: once woken it is never idle-and-unused again.
  if (!WorkerCreated() || !IsIdle() || !BeginOnce()) {
    if (observer_ != nullptr) observer_->ShowMessage(LinkTexts::kNowTransfering);
    return 0;
  }
  Begin(STATUS_WAIT_CONNECT_REQ);
  return 1;
}

void JRxThread::Step(int state) {
  ShowStatus(LinkTexts::kRxStatus[state]);
  using namespace LinkCode;
  switch (state) {
    case STATUS_WAIT_CONNECT_REQ: WaitStep(CONNECT_REQ, STATUS_SEND_CONNECT_ACK); break;
    case STATUS_SEND_CONNECT_ACK: SendStep(CONNECT_ACK, STATUS_WAIT_CONNECT_RE_ACK); break;
    case STATUS_WAIT_CONNECT_RE_ACK: WaitStep(CONNECT_RE_ACK, STATUS_SEND_HEADER_REQ); break;
    case STATUS_SEND_HEADER_REQ: SendStep(HEADER_REQ, STATUS_WAIT_HEADER); break;
    case STATUS_WAIT_HEADER: HeaderStep(); break;
    case STATUS_SEND_HEADER_ACK: SendStep(HEADER_ACK, STATUS_WAIT_HEADER_RCV_ACK); break;
    case STATUS_SEND_HEADER_NACK: SendStep(HEADER_NACK, STATUS_WAIT_HEADER_RCV_NACK); break;
    case STATUS_WAIT_HEADER_RCV_ACK: WaitStep(HEADER_RCV_ACK, STATUS_SEND_DATA_REQ); break;
    case STATUS_WAIT_HEADER_RCV_NACK: WaitStep(HEADER_RCV_ACK, STATUS_SEND_HEADER_REQ); break;
    case STATUS_SEND_DATA_REQ: SendStep(DATA_REQ, STATUS_WAIT_DATA); break;
    case STATUS_WAIT_DATA: DataStep(); break;
    case STATUS_SEND_DATA_ACK: SendStep(DATA_ACK, STATUS_WAIT_DATA_RCV_ACK); break;
    case STATUS_SEND_DATA_NACK: SendStep(DATA_NACK, STATUS_WAIT_DATA_RCV_NACK); break;
    case STATUS_WAIT_DATA_RCV_ACK:
      WaitStep(DATA_RCV_ACK, lastPacketDone_ ? STATUS_SEND_TERMINATE_REQ : STATUS_SEND_DATA_REQ);
      break;
    case STATUS_WAIT_DATA_RCV_NACK: WaitStep(DATA_RCV_ACK, STATUS_SEND_DATA_REQ); break;
    case STATUS_SEND_TERMINATE_REQ: SendStep(TERMINATE_REQ, STATUS_WAIT_TERMINATE_ACK); break;
    case STATUS_WAIT_TERMINATE_ACK: WaitStep(TERMINATE_ACK, STATUS_RCV_END); break;
    case STATUS_RCV_END:
    case STATUS_RCV_FAIL: Finish(); break;
    default:
      // Not a state of the machine; end the receive rather than spin.
      SetState(STATUS_RCV_FAIL);
      break;
  }
}

void JRxThread::WaitStep(std::uint8_t expected, int next) {
  std::uint8_t byte = 0;
  if (!ReadCode(byte)) return;
  if (byte == expected) {
    Advance(next);
  } else if (byte == LinkCode::TERMINATE_ACK) {
    // The sender closed the exchange before we asked it to: the receive failed.
    Advance(STATUS_RCV_FAIL);
  } else {
    ++retryCount_;
  }
}

bool JRxThread::ReadBlock(std::uint8_t* buffer, std::size_t count, bool* complete) {
  std::size_t i = 0;
  while (i < count) {
    // A line that is gone ends the unit at once; the engine's loop ends the receive.
    if (Stopping() || port_->LineLost()) return false;
    // Bytes already queued are what byte-by-byte reads would return at once; taking
    // them in one go only saves calls. The bounded wait applies when nothing is queued.
    const std::size_t queued = port_->Read(buffer + i, count - i);
    if (queued > 0) {
      i += queued;
      continue;
    }
    std::uint8_t byte = buffer[i];
    if (port_->ReadByte(byte)) {
      buffer[i] = byte;
    } else if (complete != nullptr) {
      *complete = false;
    }
    ++i;
  }
  // Whatever is queued after a unit is stale: the sender says nothing more until we
  // answer, so it is the rest of the same burst (noise, or a unit longer than it should
  // be), and one discard drops all of it. A byte still on its way is met by the next
  // wait as a stray byte; discarding again at once would not reach it either.
  port_->PurgeRx();
  return true;
}

void JRxThread::HeaderStep() {
  if (!ReadBlock(header_.Bytes(), kHeaderSize)) return;
  int next = STATUS_SEND_HEADER_ACK;
  if (!header_.MagicValid()) {
    const int count = badHeaderCount.fetch_add(1) + 1;
    if (count >= kBadHeaderLimit) {
      badHeaderCount.store(0);
      next = STATUS_RCV_FAIL;
      headerRefusal_ = LinkTexts::kBadMagicHeaders;
    } else {
      next = STATUS_SEND_HEADER_NACK;
    }
  } else {
    dataLength_ = header_.DataLength();
    lastPacket_ = DataPacket::LastIndex(dataLength_);
    observer_->SetProgressRange(0, static_cast<int>(lastPacket_ + 1));
    if (!header_.HeaderSumValid()) {
      next = STATUS_RCV_FAIL;
      headerRefusal_ = LinkTexts::kBadHeaderSum;
    } else if (dataLength_ > kMaxDataLength) {
      // Nothing the receiver holds is larger than a full image; a bigger length is a
      // damaged or foreign header, and must not size an allocation.
      next = STATUS_RCV_FAIL;
      headerRefusal_ = Fill(LinkTexts::kDataTooLong, Decimal(dataLength_), Decimal(kMaxDataLength));
    } else {
      imageBuffer_.reset(new (std::nothrow) std::uint8_t[std::size_t{dataLength_} + kHeaderSize]);
      if (!imageBuffer_) {
        next = STATUS_RCV_FAIL;
        headerRefusal_ = LinkTexts::kNoMemoryForImage;
      } else {
        std::memcpy(imageBuffer_.get(), header_.Bytes(), kHeaderSize);
      }
    }
  }
  SetState(next);
  retryCount_ = 0;
  nextPacket_ = 0;
}

void JRxThread::DataStep() {
  bool complete = true;
  if (!ReadBlock(packet_.Bytes(), DataPacket::kSize, &complete)) return;
  retryCount_ = 0;
  // Bytes that never came leave the previous packet's bytes in their place; a packet
  // that did not come whole is refused even when those old bytes check out.
  if (!complete || packet_.Verify() != DataPacket::Check::Ok) {
    SetState(STATUS_SEND_DATA_NACK);
    return;
  }
  if (!imageBuffer_) {  // no accepted header to put the packet behind
    SetState(STATUS_RCV_FAIL);
    return;
  }
  const std::size_t offset = kHeaderSize + std::size_t(nextPacket_) * kPayload;
  if (static_cast<std::uint32_t>(nextPacket_) == lastPacket_) {
    const auto count = static_cast<std::uint16_t>(dataLength_ - std::uint32_t(nextPacket_) * kPayload);
    std::memcpy(imageBuffer_.get() + offset, packet_.Payload(), count);
    lastPacketDone_ = true;
  } else {
    std::memcpy(imageBuffer_.get() + offset, packet_.Payload(), kPayload);
    ++nextPacket_;
    observer_->SetProgressPos(nextPacket_);
    lastPacketDone_ = false;
  }
  SetState(STATUS_SEND_DATA_ACK);
}

void JRxThread::Finish() {
  const bool failed = CurrentState() == STATUS_RCV_FAIL;
  if (!failed) {
    completed_.store(true, std::memory_order_release);
    observer_->EnableOk();
  }
  retryCount_ = 0;
  if (resultCode_ == STATUS_RCV_END) {
    observer_->SetText(TransferObserver::Field::Status, LinkTexts::kDownloadOk);
    observer_->ShowMessage(LinkTexts::kDownloadOk);
  } else if (resultCode_ == STATUS_RCV_FAIL) {
    // The receiver closed the exchange early; the line under the message says so.
    observer_->SetText(TransferObserver::Field::Status, LinkTexts::kDownloadFail);
    observer_->ShowMessage(std::string(LinkTexts::kDownloadFail) + '\n' + LinkTexts::kClosedEarly);
  }
  resultCode_ = STATUS_RCV_NULL;
  SetState(STATUS_RCV_NULL);
}
