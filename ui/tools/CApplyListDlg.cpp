#include "ui/tools/CApplyListDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/tools/ExchangeDialogTexts.h"
#include "widgets/DialogUnits.h"
#include "widgets/Texts.h"

CApplyListDlg::CApplyListDlg(const QString& fileName, int rows, QWidget* parent) : QDialog(parent) {
  using namespace ExchangeDialogTexts;
  setObjectName(QStringLiteral("CApplyListDlg"));
  setWindowTitle(Texts::U(kApplyListCaption));
  setFont(DialogUnits::DialogFont());

  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(Texts::U(kApplyListText).arg(fileName).arg(rows), this);
  text->setObjectName(QStringLiteral("applyListText"));
  text->setWordWrap(true);
  // Wide enough that the question wraps to a few lines in every language and scale;
  // the layout then gives it the height those lines need.
  text->setMinimumWidth(DialogUnits::ToPixels(font(), 240, 0).width());
  layout->addWidget(text);
  takeNames_ = new QCheckBox(Texts::U(kAlsoTakeNames), this);
  takeNames_->setObjectName(QStringLiteral("takeNames"));
  takeNames_->setAccessibleName(Texts::U(kAlsoTakeNames));
  takeNames_->setChecked(false);
  layout->addWidget(takeNames_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("apply"));
  buttons->button(QDialogButtonBox::Ok)->setText(Texts::U(kApplyListApply));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

bool CApplyListDlg::TakeNames() const { return takeNames_->isChecked(); }
