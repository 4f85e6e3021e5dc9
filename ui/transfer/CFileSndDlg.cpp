#include "ui/transfer/CFileSndDlg.h"

#include <QGridLayout>
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

  // Three rows of captioned fields around the progress bar: the times and the retries
  // above the status line and the last answer, the bytes and packets sent under it;
  // Cancel at the bottom left.
  auto* grid = new QGridLayout(this);
  elapsed_ = AddField(*grid, "elapsed", kElapsed, 0, 0, 51);
  expected_ = AddField(*grid, "expected", kExpected, 0, 2, 51);
  retry_ = AddField(*grid, "retry", kRetry, 0, 5, 50);
  status_ = AddField(*grid, "status", kStatus, 1, 0, 167, 4);
  ack_ = AddField(*grid, "ack", kAck, 1, 5, 50);
  progress_ = AddProgress(this);
  grid->addWidget(progress_, 2, 0, 1, 7);
  sending_ = AddField(*grid, "sending", kSending, 3, 0, 48);
  total_ = AddField(*grid, "total", kTotal, 3, 2, 47);
  AddCaption(*grid, kByte, 3, 4);
  packets_ = AddField(*grid, "packets", kPackets, 3, 5, 50);
  cancel_ = AddButton(this, "cancel", kCancel);
  cancel_->setDefault(true);
  grid->setRowStretch(4, 1);
  grid->addWidget(cancel_, 5, 0, 1, 2, Qt::AlignLeft);
  DialogUnits::SizeTo(this, 310, 110, true);
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
