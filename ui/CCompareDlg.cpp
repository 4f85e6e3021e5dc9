#include "ui/CCompareDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <map>

#include "ui/ExchangeDialogTexts.h"
#include "widgets/DialogUnits.h"

namespace {

QString L1(const char* text) { return QString::fromLatin1(text); }

}  // namespace

CCompareDlg::CCompareDlg(const dbdiff::Result& result, const QString& fileName, QWidget* parent) : QDialog(parent) {
  using namespace ExchangeDialogTexts;
  setObjectName(QStringLiteral("CCompareDlg"));
  setWindowTitle(L1(kCompareCaption).arg(fileName));
  setFont(DialogUnits::DialogFont());

  summary_ = new QLabel(result.Same() ? L1(kCompareSame) : L1(kCompareSummary).arg(result.changes.size()), this);
  summary_->setObjectName(QStringLiteral("summary"));

  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("differenceList"));
  list_->setAccessibleName(L1(kCompareListName));
  list_->setHeaderHidden(true);
  list_->setUniformRowHeights(true);
  // One group a table, in the order the tables first appear.
  std::map<std::string_view, QTreeWidgetItem*> groups;
  for (const dbdiff::Change& c : result.changes) {
    QTreeWidgetItem*& group = groups[c.table];
    if (!group) {
      group = new QTreeWidgetItem(list_);
      group->setData(0, Qt::UserRole, 0);
    }
    const int n = group->data(0, Qt::UserRole).toInt() + 1;
    group->setData(0, Qt::UserRole, n);
    group->setText(0, L1(kCompareGroup).arg(QString::fromUtf8(c.table.data(), int(c.table.size()))).arg(n));
    new QTreeWidgetItem(group, {QString::fromStdString(dbdiff::Describe(c))});
  }
  list_->expandAll();

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* close = buttons->addButton(L1(kClose), QDialogButtonBox::RejectRole);
  close->setObjectName(QStringLiteral("close"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(list_, 1);
  layout->addWidget(buttons);
  summary_->setBuddy(list_);
  DialogUnits::SizeTo(this, 420, 220);
}
