#include "app/CReceivedDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/AppTexts.h"
#include "db/records/DbType.h"
#include "widgets/DialogUnits.h"
#include "widgets/Texts.h"

using Texts::Q;

CReceivedDlg::CReceivedDlg(const std::string& folder, QWidget* parent)
    : QDialog(parent), kept_(received::List(folder)) {
  using namespace AppTexts;
  setObjectName(QStringLiteral("CReceivedDlg"));
  setWindowTitle(Q(kReceivedCaption));
  setFont(DialogUnits::DialogFont());

  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(kept_.empty() ? Q(kReceivedNone) : Q(kReceivedList), this);
  label->setObjectName(QStringLiteral("label"));
  label->setWordWrap(true);
  layout->addWidget(label);

  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("receivedList"));
  list_->setAccessibleName(Q(kReceivedList));
  label->setBuddy(list_);
  list_->setRootIsDecorated(false);
  list_->setAllColumnsShowFocus(true);
  list_->setHeaderLabels({Q(kReceivedWhen), Q(kReceivedSatellites), Q(kReceivedTransponders),
                          Q(kReceivedPrograms), Q(kReceivedVariant)});
  for (const received::KeptImage& k : kept_) {
    auto* row = new QTreeWidgetItem(list_);
    row->setText(0, QString::fromStdString(k.when));
    if (k.readable) {
      row->setText(1, QString::number(k.satellites));
      row->setText(2, QString::number(k.transponders));
      row->setText(3, QString::number(k.programs));
    } else {
      row->setText(1, Q(kReceivedUnreadable));
    }
    row->setText(4, dbtype::IsValid(k.dbType) ? Q(dbtype::kNames[k.dbType]) : QStringLiteral("?"));
    for (int c = 1; c <= 3; ++c) row->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
  }
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  layout->addWidget(list_, 1);

  auto* buttons = new QDialogButtonBox(this);
  open_ = buttons->addButton(Q(kReceivedOpen), QDialogButtonBox::AcceptRole);
  open_->setObjectName(QStringLiteral("open"));
  open_->setDefault(true);
  QPushButton* cancel = buttons->addButton(Q(kCancel), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("cancel"));
  layout->addWidget(buttons);

  const auto chosenRow = [this] {
    const QTreeWidgetItem* item = list_->currentItem();
    const int row = item ? list_->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item)) : -1;
    return row >= 0 && kept_[std::size_t(row)].readable ? row : -1;
  };
  const auto update = [this, chosenRow] { open_->setEnabled(chosenRow() >= 0); };
  connect(list_, &QTreeWidget::currentItemChanged, this, update);
  connect(buttons, &QDialogButtonBox::accepted, this, [this, chosenRow] {
    const int row = chosenRow();
    if (row < 0) return;
    chosen_ = kept_[std::size_t(row)].path;
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QTreeWidget::itemActivated, this, [this, chosenRow] {
    if (chosenRow() < 0) return;
    chosen_ = kept_[std::size_t(chosenRow())].path;
    accept();
  });
  if (!kept_.empty()) list_->setCurrentItem(list_->topLevelItem(0));
  update();
  DialogUnits::SizeTo(this, 300, 160);
}
