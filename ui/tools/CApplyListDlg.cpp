#include "ui/tools/CApplyListDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/tools/ExchangeDialogTexts.h"
#include "widgets/DialogUnits.h"

CApplyListDlg::CApplyListDlg(const QString& fileName, int rows, QWidget* parent) : QDialog(parent) {
  using namespace ExchangeDialogTexts;
  setObjectName(QStringLiteral("CApplyListDlg"));
  setWindowTitle(QString::fromUtf8(kApplyListCaption));
  setFont(DialogUnits::DialogFont());

  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(QString::fromUtf8(kApplyListText).arg(fileName).arg(rows), this);
  text->setObjectName(QStringLiteral("applyListText"));
  text->setWordWrap(true);
  layout->addWidget(text);
  takeNames_ = new QCheckBox(QString::fromUtf8(kAlsoTakeNames), this);
  takeNames_->setObjectName(QStringLiteral("takeNames"));
  takeNames_->setAccessibleName(QString::fromUtf8(kAlsoTakeNames));
  takeNames_->setChecked(false);
  layout->addWidget(takeNames_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("apply"));
  buttons->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8(kApplyListApply));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

bool CApplyListDlg::TakeNames() const { return takeNames_->isChecked(); }
