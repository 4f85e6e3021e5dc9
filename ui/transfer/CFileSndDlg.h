#pragma once
// "Send to STB": sends the document's database as soon as it opens and shows the
// progress, the expected and the elapsed time. Its one button stops the send; it reads
// "OK" after a successful one.
#include <QDialog>
#include <QTimer>

#include "db/image/ImageSource.h"
#include "link/JTxThread.h"
#include "ui/transfer/LinkSettings.h"
#include "ui/transfer/TransferControls.h"
#include "ui/transfer/UiReportChannel.h"

class QLabel;
class QProgressBar;
class QPushButton;

class CFileSndDlg : public QDialog, private TransferControls {
  Q_OBJECT
 public:
  // The one-second timer of the elapsed clock.
  static constexpr int kElapsedTimerId = 2313;

  CFileSndDlg(const LinkSettings& settings, ImageSource& source, QWidget* parent = nullptr);
  ~CFileSndDlg() override;

  QLabel* Field(TransferObserver::Field field) const;
  QLabel* ElapsedField() const { return elapsed_; }
  QProgressBar* Progress() const { return progress_; }
  QPushButton* CancelButton() const { return cancel_; }
  bool ClockRunning() const { return clock_.isActive(); }
  const JTxThread& Engine() const { return engine_; }

  // A tick of timer `timerId`; only the elapsed clock's timer advances the clock.
  void OnTimer(int timerId);

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void OnInitDialog();

  // TransferControls, on the user-interface thread.
  void ShowText(TransferObserver::Field field, const QString& text) override;
  void SetProgressRange(int low, int high) override;
  void SetProgressPos(int pos) override;
  void RestartClock() override;
  void StopClock() override;
  void SetCancelCaption(const QString& caption) override;

  LinkSettings settings_;
  ImageSource& source_;
  int elapsedSeconds = 0;
  int elapsedMinutes = 0;
  QTimer clock_;
  QLabel* elapsed_;
  QLabel* expected_;
  QLabel* retry_;
  QLabel* status_;
  QLabel* ack_;
  QLabel* sending_;
  QLabel* total_;
  QLabel* packets_;
  QProgressBar* progress_;
  QPushButton* cancel_;
  bool initialised_ = false;
  UiReportChannel channel_;
  JTxThread engine_;
};
