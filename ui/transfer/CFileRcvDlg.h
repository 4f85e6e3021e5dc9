#pragma once
// "Receive from STB": runs a receive as soon as it opens and shows its progress. OK is
// possible only after a completed receive; Cancel stops the receive at any moment. Once
// the receive has completed, Esc (or closing the window) does what OK does: the image is
// the user's, and only the Cancel button leaves it unloaded.
#include <QDialog>
#include <cstdint>
#include <vector>

#include "link/JRxThread.h"
#include "ui/transfer/LinkSettings.h"
#include "ui/transfer/TransferControls.h"
#include "ui/transfer/UiReportChannel.h"

class QLabel;
class QProgressBar;
class QPushButton;

class CFileRcvDlg : public QDialog, private TransferControls {
  Q_OBJECT
 public:
  explicit CFileRcvDlg(const LinkSettings& settings, QWidget* parent = nullptr);
  ~CFileRcvDlg() override;

  // After OK: the received image (64 header bytes, then the data); empty when the
  // dialog did not end with a completed receive. The engine's buffer is not kept.
  std::vector<std::uint8_t> TakeImage();

  QLabel* StatusLine() const { return status_; }
  QLabel* RetryField() const { return retry_; }
  QProgressBar* Progress() const { return progress_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }
  const JRxThread& Engine() const { return engine_; }

  void accept() override;
  void reject() override;

 signals:
  // The receive has completed: the whole image, as it arrived, whatever ends the dialog.
  void ImageWhole(const std::vector<std::uint8_t>& image);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void OnInitDialog();
  void OnCancel();

  // TransferControls, on the user-interface thread.
  void ShowText(TransferObserver::Field field, const QString& text) override;
  void SetProgressRange(int low, int high) override;
  void SetProgressPos(int pos) override;
  void EnableOk() override;

  LinkSettings settings_;
  QLabel* status_;
  QLabel* retry_;
  QProgressBar* progress_;
  QPushButton* ok_;
  QPushButton* cancel_;
  bool initialised_ = false;
  std::vector<std::uint8_t> image_;
  // The engine is destroyed first: its worker stops before the channel it reports
  // through and the controls go.
  UiReportChannel channel_;
  JRxThread engine_;
};
