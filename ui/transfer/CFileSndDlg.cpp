#include "ui/transfer/CFileSndDlg.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "ui/transfer/LinkDialogTexts.h"
#include "ui/transfer/TransferFields.h"
#include "widgets/DialogUnits.h"
#include "widgets/Texts.h"

using namespace TransferFields;
using Field = TransferObserver::Field;

CFileSndDlg::CFileSndDlg(const LinkSettings& settings, ImageSource& source, QWidget* parent)
    : QDialog(parent), settings_(settings), source_(source), channel_(this, *this) {
  using namespace LinkDialogTexts;
  setObjectName(QStringLiteral("CFileSndDlg"));
  setWindowTitle(Texts::Q(kSendCaption));
  setFont(DialogUnits::DialogFont());
  DialogUnits::SizeTo(this, 310, 110);
  setFixedSize(size());

  elapsed_ = AddField(this, "elapsed", AddCaption(this, kElapsed, 7, 7, 26, 8), 39, 7, 51, 12);
  expected_ = AddField(this, "expected", AddCaption(this, kExpected, 106, 7, 31, 8), 138, 7, 51, 12);
  retry_ = AddField(this, "retry", AddCaption(this, kRetry, 225, 7, 19, 8), 253, 7, 50, 12);
  status_ = AddField(this, "status", AddCaption(this, kStatus, 7, 26, 22, 8), 39, 26, 167, 12);
  ack_ = AddField(this, "ack", AddCaption(this, kAck, 225, 28, 12, 8), 253, 27, 50, 12);
  progress_ = AddProgress(this, 7, 47, 296, 14);
  sending_ = AddField(this, "sending", AddCaption(this, kSending, 7, 71, 26, 8), 39, 70, 48, 12);
  total_ = AddField(this, "total", AddCaption(this, kTotal, 108, 72, 17, 8), 138, 70, 47, 12);
  AddCaption(this, kByte, 187, 73, 16, 8);
  packets_ = AddField(this, "packets", AddCaption(this, kPackets, 223, 72, 26, 8), 253, 70, 50, 12);
  cancel_ = AddButton(this, "cancel", kCancel, 15, 89, 50, 14);
  cancel_->setDefault(true);
  connect(cancel_, &QPushButton::clicked, this, &CFileSndDlg::reject);

  clock_.setObjectName(QStringLiteral("timer%1").arg(kElapsedTimerId));
  clock_.setInterval(1000);
  connect(&clock_, &QTimer::timeout, this, [this] { OnTimer(kElapsedTimerId); });
}

// The engine's destructor stops a worker still running; no message then.
CFileSndDlg::~CFileSndDlg() { clock_.stop(); }

void CFileSndDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!initialised_) {
    initialised_ = true;
    OnInitDialog();
  }
}

void CFileSndDlg::OnInitDialog() {
  // Without a worker the dialog stays open with nothing running; a preparation that
  // stops early ("No Data", "Malloc Error!") leaves it idle the same way.
  if (engine_.Start(channel_, settings_.PortName().toStdString(), settings_.BaudRate())) {
    engine_.PrepareSend(source_);
  }
}

void CFileSndDlg::reject() {
  // Stops the worker first, then shows the final message if the send had just ended.
  engine_.Finish();
  QDialog::reject();
}

QLabel* CFileSndDlg::Field(TransferObserver::Field field) const {
  switch (field) {
    case Field::Status: return status_;
    case Field::Retry: return retry_;
    case Field::Ack: return ack_;
    case Field::Sending: return sending_;
    case Field::Total: return total_;
    case Field::Packets: return packets_;
    case Field::Expected: return expected_;
  }
  return nullptr;
}

void CFileSndDlg::ShowText(TransferObserver::Field field, const QString& text) {
  if (QLabel* label = Field(field)) label->setText(text);
}

void CFileSndDlg::SetProgressRange(int low, int high) { progress_->setRange(low, high); }

void CFileSndDlg::SetProgressPos(int pos) { progress_->setValue(pos); }

void CFileSndDlg::RestartClock() {
  elapsedSeconds = 0;
  elapsedMinutes = 0;
  clock_.start();
}

void CFileSndDlg::StopClock() { clock_.stop(); }

void CFileSndDlg::OnTimer(int timerId) {
  if (timerId != kElapsedTimerId) return;
  ++elapsedSeconds;
  while (elapsedSeconds >= 60) {
    ++elapsedMinutes;
    elapsedSeconds -= 60;
  }
  elapsed_->setText(QString::asprintf(LinkDialogTexts::kClockFormat, elapsedMinutes,
                                      static_cast<long>(elapsedSeconds)));
}

void CFileSndDlg::SetCancelCaption(const QString& caption) { cancel_->setText(caption); }
