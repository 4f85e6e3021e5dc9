#include "ui/tools/CCompareDlg.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <map>

#include "ui/tools/ExchangeDialogTexts.h"
#include "widgets/CoreMessages.h"
#include "widgets/DialogUnits.h"
#include "widgets/SummaryListLayout.h"
#include "widgets/Texts.h"

namespace {

QString L1(const char* text) { return Texts::Q(text); }

}  // namespace

CCompareDlg::CCompareDlg(const progdiff::Result& byProgram, const dbdiff::Result& bySlot, const QString& fileName,
                         QWidget* parent)
    : QDialog(parent), fileName_(fileName) {
  using namespace ExchangeDialogTexts;
  setObjectName(QStringLiteral("CCompareDlg"));
  setWindowTitle(L1(kCompareCaption).arg(fileName));
  setFont(DialogUnits::DialogFont());
  for (const progdiff::Change& c : byProgram.changes)
    lines_[kByProgram].push_back({c.table, CoreMessages::Said(progdiff::Describe(c)), progdiff::ProgramOf(c)});
  for (const dbdiff::Change& c : bySlot.changes)
    lines_[kBySlot].push_back({c.table, CoreMessages::Said(dbdiff::Describe(c)), dbdiff::ProgramOf(c)});

  const SummaryListLayout parts = BuildSummaryList(*this, QString(), "differenceList", L1(kCompareListName), L1(kClose));
  summary_ = parts.summary;
  list_ = parts.list;
  list_->setHeaderHidden(true);
  // The choice of comparison heads the dialog.
  by_ = new QComboBox(this);
  by_->setObjectName(QStringLiteral("compareBy"));
  by_->setAccessibleName(L1(kCompareBy));
  by_->addItems({L1(kCompareByProgram), L1(kCompareBySlot)});
  auto* byLabel = new QLabel(L1(kCompareBy), this);
  byLabel->setBuddy(by_);
  auto* byRow = new QHBoxLayout;
  byRow->addWidget(byLabel);
  byRow->addWidget(by_, 1);
  parts.layout->insertLayout(0, byRow);
  setTabOrder(by_, list_);
  connect(by_, &QComboBox::currentIndexChanged, this, &CCompareDlg::Show);
  Show(kByProgram);

  connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
    // A table's heading holds its count, not a program.
    if (!item->parent()) return;
    const int program = item->data(0, Qt::UserRole).toInt();
    if (program >= 0) emit ProgramActivated(program);
  });

  DialogUnits::SizeTo(this, 420, 220);
}

void CCompareDlg::Show(int by) {
  using namespace ExchangeDialogTexts;
  const std::vector<Line>& lines = lines_[by == kBySlot ? kBySlot : kByProgram];
  summary_->setText(lines.empty() ? L1(kCompareSame) : L1(kCompareSummary).arg(lines.size()).arg(fileName_));
  list_->clear();
  // One group a table, in the order the tables first appear.
  std::map<std::string_view, QTreeWidgetItem*> groups;
  for (const Line& l : lines) {
    QTreeWidgetItem*& group = groups[l.table];
    if (!group) {
      group = new QTreeWidgetItem(list_);
      group->setData(0, Qt::UserRole, 0);
    }
    const int n = group->data(0, Qt::UserRole).toInt() + 1;
    group->setData(0, Qt::UserRole, n);
    // The heading's table name is one of DatabaseDiffTexts::kTableHeadings.
    group->setText(0, L1(kCompareGroup).arg(Texts::U(std::string(l.table).c_str())).arg(n));
    auto* line = new QTreeWidgetItem(group, {l.text});
    line->setData(0, Qt::UserRole, l.program);
  }
  list_->expandAll();
}
