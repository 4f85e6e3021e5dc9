#include "ui/tools/CCompareDlg.h"

#include <QLabel>
#include <QTreeWidget>
#include <map>

#include "ui/tools/ExchangeDialogTexts.h"
#include "widgets/CoreMessages.h"
#include "widgets/DialogUnits.h"
#include "widgets/SummaryListLayout.h"
#include "widgets/Texts.h"

namespace {

QString L1(const char* text) { return Texts::Q(text); }

}  // namespace

CCompareDlg::CCompareDlg(const dbdiff::Result& result, const QString& fileName, QWidget* parent) : QDialog(parent) {
  using namespace ExchangeDialogTexts;
  setObjectName(QStringLiteral("CCompareDlg"));
  setWindowTitle(L1(kCompareCaption).arg(fileName));
  setFont(DialogUnits::DialogFont());

  const SummaryListLayout parts =
      BuildSummaryList(*this, result.Same() ? L1(kCompareSame) : L1(kCompareSummary).arg(result.changes.size()).arg(fileName),
                       "differenceList", L1(kCompareListName), L1(kClose));
  summary_ = parts.summary;
  list_ = parts.list;
  list_->setHeaderHidden(true);
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
    // The heading's table name is one of DatabaseDiffTexts::kTableHeadings.
    group->setText(0, L1(kCompareGroup).arg(Texts::U(std::string(c.table).c_str())).arg(n));
    auto* line = new QTreeWidgetItem(group, {CoreMessages::Said(dbdiff::Describe(c))});
    line->setData(0, Qt::UserRole, dbdiff::ProgramOf(c));
  }
  list_->expandAll();
  connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
    // A table's heading holds its count, not a program.
    if (!item->parent()) return;
    const int program = item->data(0, Qt::UserRole).toInt();
    if (program >= 0) emit ProgramActivated(program);
  });

  DialogUnits::SizeTo(this, 420, 220);
}
