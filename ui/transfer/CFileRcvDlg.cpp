#include "ui/transfer/CFileRcvDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "ui/transfer/LinkDialogTexts.h"
#include "ui/transfer/TransferFields.h"
#include "widgets/DialogUnits.h"
#include "widgets/Texts.h"

using namespace TransferFields;

CFileRcvDlg::CFileRcvDlg(const LinkSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), channel_(this, *this) {
  using namespace LinkDialogTexts;
  setObjectName(QStringLiteral("CFileRcvDlg"));
  setWindowTitle(Texts::Q(kReceiveCaption));
  setFont(DialogUnits::DialogFont());

  // "Status" and "Retry" with their fields in one row, the progress bar under them, OK
  // at the left and Cancel at the right under that.
  auto* grid = new QGridLayout(this);
  status_ = AddField(*grid, "status", kStatus, 0, 0, 133);
  retry_ = AddField(*grid, "retry", kRetry, 0, 2, 38);
  grid->setColumnStretch(1, 1);
  progress_ = AddProgress(this);
  grid->addWidget(progress_, 1, 0, 1, 4);
  ok_ = AddButton(this, "ok", kOk);
  ok_->setDefault(true);
  cancel_ = AddButton(this, "cancel", kCancel);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok_);
  buttons->addStretch();
  buttons->addWidget(cancel_);
  grid->setRowStretch(2, 1);
  grid->addLayout(buttons, 3, 0, 1, 4);
  DialogUnits::SizeTo(this, 256, 81, true);
  connect(ok_, &QPushButton::clicked, this, &CFileRcvDlg::accept);
  connect(cancel_, &QPushButton::clicked, this, &CFileRcvDlg::OnCancel);
}

CFileRcvDlg::~CFileRcvDlg() { engine_.Stop(); }

void CFileRcvDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!initialised_) {
    initialised_ = true;
    OnInitDialog();
  }
}

void CFileRcvDlg::OnInitDialog() {
  // A port that does not open is reported by the engine; the receive then runs into
  // its retry limit, as without a receiver.
  if (engine_.Start(channel_, settings_.PortName().toStdString(), settings_.BaudRate())) {
    engine_.BeginReceive();
  }
  // The engine enables OK once a receive has completed.
  ok_->setEnabled(false);
  cancel_->setFocus();
}

void CFileRcvDlg::accept() {
  if (!ok_->isEnabled()) return;
  engine_.Stop();
  if (engine_.Completed() && engine_.ImageBuffer()) {
    const std::uint8_t* image = engine_.ImageBuffer();
    image_.assign(image, image + engine_.ImageSize());
  }
  QDialog::accept();
}

void CFileRcvDlg::reject() {
  // Esc or the window's close after a completed receive: the user dismisses a finished
  // transfer, not the database it brought.
  if (ok_->isEnabled()) {
    accept();
    return;
  }
  OnCancel();
}

void CFileRcvDlg::OnCancel() {
  // The worker ends for good before the dialog does; no message.
  engine_.Stop();
  QDialog::reject();
}

std::vector<std::uint8_t> CFileRcvDlg::TakeImage() { return std::move(image_); }

void CFileRcvDlg::ShowText(TransferObserver::Field field, const QString& text) {
  if (field == TransferObserver::Field::Status) {
    status_->setText(text);
  } else if (field == TransferObserver::Field::Retry) {
    retry_->setText(text);
  }
}

void CFileRcvDlg::SetProgressRange(int low, int high) { progress_->setRange(low, high); }

void CFileRcvDlg::SetProgressPos(int pos) { progress_->setValue(pos); }

void CFileRcvDlg::EnableOk() {
  ok_->setEnabled(true);
  ok_->setFocus();
  // The engine writes no more into its buffer once the receive has completed.
  if (engine_.Completed() && engine_.ImageBuffer()) {
    const std::uint8_t* image = engine_.ImageBuffer();
    emit ImageWhole(std::vector<std::uint8_t>(image, image + engine_.ImageSize()));
  }
}
