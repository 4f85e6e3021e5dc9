#include "ui/channels/CMoveToDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "ui/channels/GroupChTexts.h"
#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "widgets/PlacedControl.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

CMoveToDlg::CMoveToDlg(int count, int current, QWidget* parent)
    : QDialog(parent), count_(count < 1 ? 1 : count), number_(current) {
  setObjectName(QStringLiteral("CMoveToDlg"));
  setWindowTitle(Q(T::kMoveToCaption));
  setFont(DialogUnits::DialogFont());
  DialogUnits::SizeTo(this, 127, 55);
  setFixedSize(size());

  auto* label = PlacedTextControl<QLabel>(this, T::kNumber, "numberLabel", 7, 9, 24, 8);
  // Digits only, as many as typed: a number too large is refused on OK, never cut to
  // one that fits, which would move the rows somewhere the user did not ask for.
  edit_ = PlacedControl<QLineEdit>(this, "number", T::kNumber, 33, 7, 40, 12);
  edit_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit_));
  edit_->setText(QString::number(current));
  label->setBuddy(edit_);
  range_ = new QLabel(Q(T::kNumberRange).arg(1).arg(count_), this);
  range_->setObjectName(QStringLiteral("numberRange"));
  DialogUnits::Place(range_, 77, 9, 46, 8);
  // A screen reader reads the range with the field.
  edit_->setAccessibleDescription(range_->text());

  auto* ok = PlacedTextControl<QPushButton>(this, T::kOk, "ok", 17, 34, 45, 14);
  ok->setDefault(true);
  auto* cancel = PlacedTextControl<QPushButton>(this, T::kCancel, "cancel", 65, 34, 45, 14);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  edit_->selectAll();
  edit_->setFocus();
}

void CMoveToDlg::accept() {
  const auto scanned = DataExchange::ScanUnsigned(edit_->text());
  if (!scanned || *scanned < 1 || *scanned > std::uint32_t(count_)) {
    Prompt::Message(this, scanned ? Q(Texts::kIntegerBetween).arg(1).arg(count_) : Q(Texts::kPositiveInteger));
    edit_->setFocus();
    edit_->selectAll();
    return;
  }
  number_ = int(*scanned);
  QDialog::accept();
}
