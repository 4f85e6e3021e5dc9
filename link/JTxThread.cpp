#include "link/JTxThread.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <utility>

#include "db/image/DatabaseImage.h"
#include "link/DataPacket.h"
#include "link/LinkCodes.h"
#include "link/LinkTexts.h"

JTxThread::JTxThread()
    : TransferEngine({.idleState = TX_IDLE,
                      .failState = TX_END_FAIL,
                      .successState = TX_END_SUCCESS,
                      .createFailText = LinkTexts::kTxCreateFail,
                      // Without a worker the port stays closed.
                      .openPortFirst = false}) {}

JTxThread::~JTxThread() { StopWorker(); }

int JTxThread::Start(TransferObserver& observer, const std::string& portName, int baud) {
  // A port that does not open is reported; the send then repeats its connect request
  // until the user cancels.
  return StartEngine(observer, portName, baud);
}

int JTxThread::Start(TransferObserver& observer, std::unique_ptr<Transport> port) {
  return StartEngine(observer, std::move(port));
}

int JTxThread::PrepareSend(ImageSource& source) {
  static_assert(kImageSize == DatabaseImage::kImageSize);
  if (observer_ == nullptr || !WorkerCreated()) return 0;
  if (!IsIdle() || HasBegun()) {
    observer_->ShowMessage(LinkTexts::kNowTransfering);
    return 0;
  }
  std::unique_ptr<std::uint8_t[]> image(new (std::nothrow) std::uint8_t[kImageSize]);
  if (!image) {
    observer_->ShowMessage(LinkTexts::kMallocError);
    return 0;
  }
  const std::size_t length = source.BuildImage(image.get());
  // Anything shorter than its own header, or longer than the buffer, is no image.
  if (length < LinkHeader::kSize || length > kImageSize) {
    observer_->ShowMessage(LinkTexts::kNoData);
    return 0;
  }
  const auto dataLength = static_cast<std::uint32_t>(length - LinkHeader::kSize);
  // The image's own first 64 bytes stay behind: a fresh link header takes their place.
  std::unique_ptr<std::uint8_t[]> data(new (std::nothrow) std::uint8_t[dataLength > 0 ? dataLength : 1]);
  if (!data) {
    observer_->ShowMessage(LinkTexts::kMallocError);
    return 0;
  }
  std::memcpy(data.get(), image.get() + LinkHeader::kSize, dataLength);
  image.reset();
  const LinkHeader header = LinkHeader::ForSend(source.GetDbType(), data.get(), dataLength);
  return BeginSend(header, std::move(data), dataLength);
}

std::uint32_t JTxThread::ExpectedSeconds(std::uint32_t dataLength) {
  const std::uint64_t lastPacket = static_cast<std::uint16_t>(DataPacket::LastIndex(dataLength));
  const std::uint64_t t = (dataLength + lastPacket * 300 + 64) / 14400 +
                          (std::uint64_t{dataLength} >> 16) * 2 + 2;
  return static_cast<std::uint32_t>(t);
}

std::string JTxThread::FormatMinutes(std::uint32_t seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%02u:%02u", seconds / 60, seconds % 60);
  return text;
}

int JTxThread::BeginSend(const LinkHeader& header, std::unique_ptr<std::uint8_t[]> data,
                         std::uint32_t dataLength) {
  if (observer_ == nullptr || !WorkerCreated() || !BeginOnce()) return 0;
  packetInFlight_ = -1;
  header_ = header;
  data_ = std::move(data);
  dataLength_ = dataLength;
  lastPacket_ = static_cast<std::uint16_t>(DataPacket::LastIndex(dataLength));
  observer_->SetProgressRange(0, lastPacket_ + 1);
  observer_->SetText(TransferObserver::Field::Total, Decimal(dataLength_));
  observer_->SetText(TransferObserver::Field::Expected, FormatMinutes(ExpectedSeconds(dataLength_)));
  Begin(TX_SEND_CONNECT_REQ);
  return 1;
}

void JTxThread::Finish() {
  if (observer_ == nullptr) return;
  StopWorker();
  // The worker has ended; whatever it left unreported is reported from here.
  FinishReport();
}

void JTxThread::Step(int state) {
  const char* status = LinkTexts::kTxStatus[state];
  if (state == TX_SEND_DATA_TRANSFER_ACK && lastPacketDone_) status = LinkTexts::kTxWaitSaving;
  ShowStatus(status);

  using namespace LinkCode;
  switch (state) {
    case TX_SEND_CONNECT_REQ:
      lastPacketDone_ = false;
      SendStep(CONNECT_REQ, TX_WAIT_CONNECT_ACK);
      break;
    case TX_WAIT_CONNECT_ACK:
      // Until the receiver answers, keep asking; the connect phase has no retry limit.
      if (!WaitStep(CONNECT_ACK, TX_SEND_CONNECT_RE_ACK)) {
        SetState(TX_SEND_CONNECT_REQ);
      }
      break;
    case TX_SEND_CONNECT_RE_ACK:
      // The connection stands: the elapsed clock starts from here.
      if (SendCode(CONNECT_RE_ACK)) {
        observer_->RestartClock();
        Advance(TX_WAIT_HEADER_REQ);
      }
      break;
    case TX_WAIT_HEADER_REQ: WaitStep(HEADER_REQ, TX_SEND_HEADER); break;
    case TX_SEND_HEADER: HeaderStep(); break;
    case TX_WAIT_HEADER_ACK: WaitStep(HEADER_ACK, TX_SEND_HEADER_TRANSFER_ACK); break;
    case TX_SEND_HEADER_TRANSFER_ACK: SendStep(HEADER_RCV_ACK, TX_WAIT_DATA_REQ); break;
    case TX_SEND_HEADER_TRANSFER_NACK: SendStep(HEADER_RCV_ACK, TX_WAIT_HEADER_REQ); break;
    case TX_WAIT_DATA_REQ: WaitStep(DATA_REQ, TX_SEND_DATA); break;
    case TX_SEND_DATA: PacketStep(); break;
    case TX_WAIT_DATA_ACK: WaitStep(DATA_ACK, TX_SEND_DATA_TRANSFER_ACK); break;
    case TX_SEND_DATA_TRANSFER_ACK:
      SendStep(DATA_RCV_ACK, lastPacketDone_ ? TX_WAIT_TERMINATE_REQ : TX_WAIT_DATA_REQ);
      break;
    case TX_SEND_DATA_TRANSFER_NACK: SendStep(DATA_RCV_ACK, TX_WAIT_DATA_REQ); break;
    case TX_WAIT_TERMINATE_REQ: WaitStep(TERMINATE_REQ, TX_SEND_SUCCESS_TERMINATE_ACK); break;
    case TX_SEND_SUCCESS_TERMINATE_ACK: SendStep(TERMINATE_ACK, TX_END_SUCCESS); break;
    case TX_SEND_FAIL_TERMINATE_ACK: SendStep(TERMINATE_ACK, TX_END_FAIL); break;
    case TX_END_SUCCESS:
    case TX_END_FAIL: FinishReport(); break;
    default:
      // Not a state of the machine; end the send rather than spin.
      SetState(TX_END_FAIL);
      break;
  }
}

bool JTxThread::WaitStep(std::uint8_t expected, int next) {
  std::uint8_t byte = 0;
  if (!ReadCode(byte)) return false;
  char ack[8];
  std::snprintf(ack, sizeof ack, "0x%02x", byte);
  observer_->SetText(TransferObserver::Field::Ack, ack);
  if (byte == expected) {
    if (byte == LinkCode::DATA_ACK) packetInFlight_ = -1;
    Advance(next);
    return true;
  }
  // Whatever the receiver asks for is what it gets, whatever we were waiting for.
  using namespace LinkCode;
  int follow = -1;
  switch (byte) {
    case CONNECT_ACK: follow = TX_WAIT_HEADER_REQ; break;
    case HEADER_ACK: follow = TX_SEND_HEADER_TRANSFER_ACK; break;
    case HEADER_NACK: follow = TX_SEND_HEADER_TRANSFER_NACK; break;
    case DATA_REQ:
      follow = TX_SEND_DATA;
      // Asked again instead of answered: the packet just sent was not taken (it came
      // incomplete or not at all), so that packet goes again, not the one after it.
      if (packetInFlight_ >= 0) nextPacket_ = packetInFlight_;
      break;
    case DATA_ACK: follow = TX_SEND_DATA_TRANSFER_ACK; break;
    case DATA_NACK:
      follow = TX_SEND_DATA_TRANSFER_NACK;
      // The packet on the line goes again on the next request. A refusal with no packet
      // on the line (a repeated or stray one) changes nothing: stepping back then would
      // hand the receiver a packet it already took in place of the next one, and it
      // counts packets, it does not check their numbers.
      if (packetInFlight_ >= 0) nextPacket_ = packetInFlight_;
      break;
    case TERMINATE_REQ:
      follow = TX_SEND_SUCCESS_TERMINATE_ACK;
      resultCode_ = TX_END_SUCCESS;
      break;
    case FAIL_TERMINATE_REQ:
      follow = TX_SEND_FAIL_TERMINATE_ACK;
      resultCode_ = TX_END_FAIL;
      break;
    case HEADER_REQ: follow = TX_SEND_HEADER; break;
    default: break;
  }
  if (follow < 0) {
    ++retryCount_;
    return false;
  }
  if (byte == DATA_ACK || byte == DATA_NACK) packetInFlight_ = -1;
  SetState(follow);
  retryCount_ = 0;
  return true;
}

void JTxThread::HeaderStep() {
  if (port_->Write(header_.Bytes(), LinkHeader::kSize) == LinkHeader::kSize) {
    retryCount_ = 0;
    nextPacket_ = 0;
    packetInFlight_ = -1;
  } else {
    ++retryCount_;
  }
  SetState(TX_WAIT_HEADER_ACK);
}

void JTxThread::PacketStep() {
  const DataPacket packet =
      DataPacket::Build(data_.get(), dataLength_, static_cast<std::uint32_t>(nextPacket_));
  if (port_->Write(packet.Bytes(), DataPacket::kSize) != DataPacket::kSize) {
    ++retryCount_;
  } else {
    retryCount_ = 0;
    packetInFlight_ = nextPacket_;
    if (nextPacket_ == lastPacket_) {
      nextPacket_ = 0;
      lastPacketDone_ = true;
    } else {
      ++nextPacket_;
      lastPacketDone_ = false;
    }
    observer_->SetProgressPos(nextPacket_);
    observer_->SetText(TransferObserver::Field::Sending,
                       Decimal(static_cast<long long>(nextPacket_) * DataPacket::kPayloadSize));
    observer_->SetText(TransferObserver::Field::Packets, Decimal(nextPacket_));
  }
  SetState(TX_WAIT_DATA_ACK);
}

void JTxThread::FinishReport() {
  retryCount_ = 0;
  if (resultCode_ == TX_END_SUCCESS) {
    succeeded_.store(true, std::memory_order_release);
    observer_->SetText(TransferObserver::Field::Status, LinkTexts::kDownloadOk);
    observer_->ShowMessage(LinkTexts::kDownloadOk);
    observer_->SetCancelCaption(LinkTexts::kOkCaption);
  } else if (resultCode_ == TX_END_FAIL) {
    // Only the receiver's own fail request ends here: the line under the message says so.
    observer_->SetText(TransferObserver::Field::Status, LinkTexts::kDownloadFail);
    observer_->ShowMessage(std::string(LinkTexts::kDownloadFail) + '\n' + LinkTexts::kReceiverFailed);
  }
  observer_->StopClock();
  resultCode_ = TX_IDLE;
  SetState(TX_IDLE);
}
