#include "link/TransferEngine.h"

#include <cstdio>
#include <utility>

#include "link/LinkTexts.h"
#include "link/TransferPort.h"

TransferEngine::TransferEngine(const Traits& traits)
    : resultCode_(traits.idleState), traits_(traits), state_(traits.idleState) {}

// The derived engine's destructor has stopped the worker already.
TransferEngine::~TransferEngine() = default;

int TransferEngine::StartEngine(TransferObserver& observer, const std::string& portName, int baud) {
  if (traits_.openPortFirst) return StartEngine(observer, OpenTransferPort(observer, portName, baud));
  if (StartEngine(observer, nullptr) == 0) return 0;
  port_ = OpenTransferPort(observer, portName, baud);
  return 1;
}

int TransferEngine::StartEngine(TransferObserver& observer, std::unique_ptr<Transport> port) {
  observer_ = &observer;
  port_ = std::move(port);
  SetState(traits_.idleState);
  if (!worker_.Create([this] { Run(); })) {
    observer.ShowMessage(traits_.createFailText);
    return 0;
  }
  return 1;
}

void TransferEngine::Begin(int firstState) {
  retryCount_ = 0;
  nextPacket_ = 0;
  resultCode_ = traits_.idleState;
  lastPacketDone_ = false;
  lostStatus_.clear();
  SetState(firstState);
  worker_.Wake();
}

void TransferEngine::StopWorker() {
  // Once the worker has been waited for, the observer is never touched by it again, so
  // a dialog may stop its engine and then go away in any order.
  if (!worker_.Created()) return;
  worker_.RequestStop();
  if (worker_.OnWorkerThread()) return;
  observer_->Unblock();
  worker_.Stop();
}

void TransferEngine::Run() {
  while (!Stopping()) {
    const int state = CurrentState();
    if (state == traits_.idleState) return;  // parked for good
    Step(state);
    if (Stopping() || CurrentState() == traits_.idleState) return;
    const int now = CurrentState();
    if (port_ && port_->LineLost() && state != traits_.failState && now != traits_.failState &&
        now != traits_.successState) {
      // Nothing can come from a line that is gone: end as the retry limit would, at
      // once, with the reason in the status line. A receiver that hangs up right after
      // its last word leaves a finished exchange finished.
      SetState(traits_.failState);
      lostStatus_ = LinkTexts::kLineLost + port_->LineLostReason();
      ShowStatus(lostStatus_.c_str());
      observer_->ShowMessage(LinkTexts::kNoResponse);
    } else if (retryCount_ > kRetryLimit) {
      SetState(traits_.failState);
      observer_->ShowMessage(LinkTexts::kNoResponse);
    }
    observer_->SetText(TransferObserver::Field::Retry, Decimal(retryCount_));
  }
}

void TransferEngine::Advance(int next) {
  SetState(next);
  resultCode_ = next;
  retryCount_ = 0;
}

bool TransferEngine::SendCode(std::uint8_t code) {
  if (port_->WriteByte(code)) return true;
  ++retryCount_;
  return false;
}

void TransferEngine::SendStep(std::uint8_t code, int next) {
  if (SendCode(code)) Advance(next);
}

bool TransferEngine::ReadCode(std::uint8_t& byte) {
  if (port_->ReadByte(byte)) return true;
  ++retryCount_;
  return false;
}

void TransferEngine::ShowStatus(const char* text) {
  if (!lostStatus_.empty()) text = lostStatus_.c_str();
  if (text != nullptr) observer_->SetText(TransferObserver::Field::Status, text);
}

std::string TransferEngine::Decimal(long long value) {
  char text[24];
  std::snprintf(text, sizeof text, "%lld", value);
  return text;
}
