#include "ui/transfer/UiReportChannel.h"

#include <QThread>
#include <QWidget>

#include "link/LinkAdvice.h"
#include "ui/transfer/TransferControls.h"
#include "widgets/CoreMessages.h"
#include "widgets/Prompt.h"

UiReportChannel::UiReportChannel(QWidget* dialog, TransferControls& controls)
    : dialog_(dialog), controls_(controls), receiver_(std::make_unique<QObject>()) {
  receiver_->moveToThread(dialog->thread());
}

UiReportChannel::~UiReportChannel() { Unblock(); }

bool UiReportChannel::Unblocked() const {
  std::lock_guard lock(mutex_);
  return unblocked_;
}

void UiReportChannel::Unblock() {
  {
    std::lock_guard lock(mutex_);
    unblocked_ = true;
  }
  delivered_.notify_all();
}

void UiReportChannel::Deliver(std::function<void()> report) {
  if (QThread::currentThread() == receiver_->thread()) {
    // Called by the dialog itself (Start, the send preparation, Finish after Cancel).
    report();
    return;
  }
  auto done = std::make_shared<bool>(false);
  {
    std::lock_guard lock(mutex_);
    if (unblocked_) return;
  }
  QMetaObject::invokeMethod(
      receiver_.get(),
      [this, done, report = std::move(report)] {
        if (!Unblocked() && dialog_) report();
        {
          std::lock_guard lock(mutex_);
          *done = true;
        }
        delivered_.notify_all();
      },
      Qt::QueuedConnection);
  std::unique_lock lock(mutex_);
  delivered_.wait(lock, [&] { return *done || unblocked_; });
}

void UiReportChannel::SetText(Field field, const std::string& text) {
  // Worded in the window's language on the window's thread, as the dialog shows it.
  Deliver([this, field, text] { controls_.ShowText(field, CoreMessages::Said(text)); });
}

void UiReportChannel::SetProgressRange(int low, int high) {
  Deliver([this, low, high] { controls_.SetProgressRange(low, high); });
}

void UiReportChannel::SetProgressPos(int pos) {
  Deliver([this, pos] { controls_.SetProgressPos(pos); });
}

void UiReportChannel::EnableOk() {
  Deliver([this] { controls_.EnableOk(); });
}

void UiReportChannel::RestartClock() {
  Deliver([this] { controls_.RestartClock(); });
}

void UiReportChannel::StopClock() {
  Deliver([this] { controls_.StopClock(); });
}

void UiReportChannel::SetCancelCaption(const std::string& caption) {
  Deliver([this, caption] { controls_.SetCancelCaption(CoreMessages::Said(caption)); });
}

void UiReportChannel::ShowMessage(const std::string& text) {
  Deliver([this, t = linkadvice::WithAdvice(text)] { Prompt::Message(dialog_, CoreMessages::Said(t)); });
}
