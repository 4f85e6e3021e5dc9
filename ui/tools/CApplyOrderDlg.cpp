#include "ui/tools/CApplyOrderDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/tools/ExchangeDialogTexts.h"
#include "widgets/DialogUnits.h"
#include "widgets/Texts.h"

namespace {

QCheckBox* Box(QWidget* parent, const char* name, const char* text, bool checked) {
  auto* box = new QCheckBox(Texts::U(text), parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setAccessibleName(Texts::U(text));
  box->setChecked(checked);
  return box;
}

}  // namespace

CApplyOrderDlg::CApplyOrderDlg(const QString& fileName, bool takeLocks, bool takeNames, QWidget* parent)
    : QDialog(parent) {
  using namespace ExchangeDialogTexts;
  setObjectName(QStringLiteral("CApplyOrderDlg"));
  setWindowTitle(Texts::U(kApplyOrderCaption));
  setFont(DialogUnits::DialogFont());

  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(Texts::U(kApplyOrderText).arg(fileName), this);
  text->setObjectName(QStringLiteral("applyOrderText"));
  text->setWordWrap(true);
  text->setMinimumWidth(DialogUnits::ToPixels(font(), 240, 0).width());
  layout->addWidget(text);
  takeLocks_ = Box(this, "takeLocks", kTakeLocks, takeLocks);
  layout->addWidget(takeLocks_);
  takeNames_ = Box(this, "takeNames", kAlsoTakeNames, takeNames);
  layout->addWidget(takeNames_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("apply"));
  buttons->button(QDialogButtonBox::Ok)->setText(Texts::U(kApplyListApply));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

bool CApplyOrderDlg::TakeLocks() const { return takeLocks_->isChecked(); }
bool CApplyOrderDlg::TakeNames() const { return takeNames_->isChecked(); }
