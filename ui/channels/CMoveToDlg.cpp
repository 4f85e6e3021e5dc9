#include "ui/channels/CMoveToDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "ui/channels/GroupChTexts.h"
#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "widgets/NamedControl.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

CMoveToDlg::CMoveToDlg(int count, int current, QWidget* parent)
    : QDialog(parent), count_(count < 1 ? 1 : count), number_(current) {
  setObjectName(QStringLiteral("CMoveToDlg"));
  setWindowTitle(Q(T::kMoveToCaption));
  setFont(DialogUnits::DialogFont());

  auto* label = NamedTextControl<QLabel>(this, T::kNumber, "numberLabel");
  // Digits only, as many as typed: a number too large is refused on OK, never cut to
  // one that fits, which would move the rows somewhere the user did not ask for.
  edit_ = NamedControl<QLineEdit>(this, "number", T::kNumber);
  edit_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit_));
  edit_->setText(QString::number(current));
  label->setBuddy(edit_);
  range_ = new QLabel(Q(T::kNumberRange).arg(1).arg(count_), this);
  range_->setObjectName(QStringLiteral("numberRange"));
  // A screen reader reads the range with the field.
  edit_->setAccessibleDescription(range_->text());

  auto* ok = NamedTextControl<QPushButton>(this, T::kOk, "ok");
  ok->setDefault(true);
  auto* cancel = NamedTextControl<QPushButton>(this, T::kCancel, "cancel");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  // "Number", its field and the range it takes in one row; the buttons under them.
  auto* grid = new QGridLayout(this);
  grid->addWidget(label, 0, 0);
  grid->addWidget(edit_, 0, 1);
  grid->addWidget(range_, 0, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addStretch();
  grid->addLayout(buttons, 1, 0, 1, 3);
  DialogUnits::SizeTo(this, 127, 55, true);
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
