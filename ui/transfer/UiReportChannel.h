#pragma once
// Carries an engine's reports from its worker thread to a dialog on the user-interface
// thread. Each report runs there in the order made while the worker waits for it (and
// for a message box until it is dismissed). After Unblock no report waits any more and
// none that is still queued reaches the dialog, so Cancel can always stop the worker.
#include <QObject>
#include <QPointer>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

#include "link/TransferObserver.h"

class QWidget;
class TransferControls;

class UiReportChannel : public TransferObserver {
 public:
  // `dialog` parents the message boxes and must live on the user-interface thread;
  // `controls` must outlive the channel.
  UiReportChannel(QWidget* dialog, TransferControls& controls);
  ~UiReportChannel() override;
  UiReportChannel(const UiReportChannel&) = delete;
  UiReportChannel& operator=(const UiReportChannel&) = delete;

  void SetText(Field field, const std::string& text) override;
  void SetProgressRange(int low, int high) override;
  void SetProgressPos(int pos) override;
  void EnableOk() override;
  void RestartClock() override;
  void StopClock() override;
  void SetCancelCaption(const std::string& caption) override;
  void ShowMessage(const std::string& text) override;
  void Unblock() override;

  bool Unblocked() const;

 private:
  // Runs `report` on the user-interface thread and waits for it, or returns at once
  // once unblocked.
  void Deliver(std::function<void()> report);

  QPointer<QWidget> dialog_;
  TransferControls& controls_;
  // Queued reports are posted to this object: they die with it, so none can run
  // after the channel is gone.
  std::unique_ptr<QObject> receiver_;
  mutable std::mutex mutex_;
  std::condition_variable delivered_;
  bool unblocked_ = false;
};
