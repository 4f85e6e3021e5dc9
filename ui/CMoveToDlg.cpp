#include "ui/CMoveToDlg.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "ui/GroupChTexts.h"
#include "widgets/DialogUnits.h"
#include "widgets/PlacedControl.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

CMoveToDlg::CMoveToDlg(int count, int current, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("CMoveToDlg"));
  setWindowTitle(Q(T::kMoveToCaption));
  setFont(DialogUnits::DialogFont());
  DialogUnits::SizeTo(this, 107, 55);
  setFixedSize(size());

  auto* label = PlacedTextControl<QLabel>(this, T::kNumber, "numberLabel", 7, 9, 24, 8);
  number_ = PlacedControl<QSpinBox>(this, "number", T::kNumber, 33, 7, 67, 12);
  number_->setRange(1, count < 1 ? 1 : count);
  number_->setValue(current);
  label->setBuddy(number_);

  auto* ok = PlacedTextControl<QPushButton>(this, T::kOk, "ok", 7, 34, 45, 14);
  ok->setDefault(true);
  auto* cancel = PlacedTextControl<QPushButton>(this, T::kCancel, "cancel", 55, 34, 45, 14);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  number_->selectAll();
  number_->setFocus();
}

int CMoveToDlg::Number() const { return number_->value(); }
