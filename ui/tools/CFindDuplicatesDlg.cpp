#include "ui/tools/CFindDuplicatesDlg.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <span>

#include "db/document/DocEditing.h"
#include "db/records/TableAt.h"
#include "ui/StepTexts.h"
#include "ui/tools/DuplicateRows.h"
#include "ui/tools/DuplicateTexts.h"
#include "ui/tools/ExchangeDialogTexts.h"
#include "widgets/DialogUnits.h"
#include "widgets/SummaryListLayout.h"
#include "widgets/Texts.h"

namespace {

using Texts::Q;
namespace T = DuplicateTexts;

// Where a row's program sits in the report: its set and its place in the set; a
// set's own row has place -1.
constexpr int kSetRole = Qt::UserRole;
constexpr int kEntryRole = Qt::UserRole + 1;

QTreeWidgetItem* SetItem(const QString& text, int set) {
  auto* item = new QTreeWidgetItem(QStringList{text});
  item->setData(0, kSetRole, set);
  item->setData(0, kEntryRole, -1);
  // A set is a heading: the user checks and selects its programs.
  item->setFlags(Qt::ItemIsEnabled);
  return item;
}

QTreeWidgetItem* EntryItem(const ChannelDatabase& db, const dbops::DuplicateEntry& e, int set, int entry) {
  auto* item = new QTreeWidgetItem(duplicaterows::RowTexts(db, e));
  item->setData(0, kSetRole, set);
  item->setData(0, kEntryRole, entry);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

// Widths from the texts alone. Letting the header fit its sections asks the style for
// every cell's size, which on 200 sets takes longer than the rest of the dialog; a
// heading spans the row and takes no part. The groups too are as wide as their texts:
// an empty Groups column stretched over the space would leave the names cut.
void FitColumns(QTreeWidget* list, bool checkable) {
  const QFontMetrics fm(list->font());
  QHeaderView* header = list->header();
  const int columns = list->columnCount();
  QList<int> widths(columns, 0);
  // Only a text at least as long as the longest so far can be the widest, near enough.
  QList<qsizetype> lengths(columns, 0);
  for (int s = 0; s < list->topLevelItemCount(); ++s) {
    QTreeWidgetItem* heading = list->topLevelItem(s);
    heading->setFirstColumnSpanned(true);
    for (int e = 0; e < heading->childCount(); ++e)
      for (int c = 0; c < columns; ++c) {
        const QString text = heading->child(e)->text(c);
        if (text.size() < lengths[c]) continue;
        lengths[c] = text.size();
        widths[c] = std::max(widths[c], fm.horizontalAdvance(text));
      }
  }
  const int margin = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1) +
                     fm.averageCharWidth();
  // The programs are a level below their headings, and a decorated root indents once more.
  widths[0] += list->indentation() * (list->rootIsDecorated() ? 2 : 1);
  if (checkable)
    widths[0] += list->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, list) +
                 list->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, list);
  header->setStretchLastSection(false);
  for (int c = 0; c < columns; ++c)
    header->resizeSection(c, std::max(widths[c] + margin, header->sectionSizeHint(c)));
}

void PrepareList(QTreeWidget* list) {
  list->setHeaderLabels(duplicaterows::Headers());
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setAllColumnsShowFocus(true);
}

}  // namespace

CFindDuplicatesDlg::CFindDuplicatesDlg(DocEditing& doc, QWidget* parent) : QDialog(parent), doc_(doc) {
  setObjectName(QStringLiteral("CFindDuplicatesDlg"));
  setWindowTitle(Q(T::kCaption));
  setFont(DialogUnits::DialogFont());

  const SummaryListLayout parts =
      BuildSummaryList(*this, QString(), "duplicateList", Q(T::kDuplicateListName), Q(ExchangeDialogTexts::kClose));
  summary_ = parts.summary;
  summary_->setWordWrap(true);
  duplicates_ = parts.list;
  PrepareList(duplicates_);

  delete_ = new QPushButton(Q(T::kDeleteOthers), this);
  delete_->setObjectName(QStringLiteral("deleteOthers"));
  auto* sameNameLabel = new QLabel(Q(T::kSameNameLabel), this);
  sameNameLabel->setObjectName(QStringLiteral("sameNameLabel"));
  sameName_ = new QTreeWidget(this);
  sameName_->setObjectName(QStringLiteral("sameNameList"));
  sameName_->setAccessibleName(Q(T::kSameNameLabel));
  sameName_->setUniformRowHeights(true);
  sameNameLabel->setBuddy(sameName_);
  PrepareList(sameName_);

  int row = parts.Rows();
  parts.layout->insertWidget(row++, delete_, 0, Qt::AlignLeft);
  parts.layout->insertWidget(row++, sameNameLabel);
  parts.layout->insertWidget(row++, sameName_, 1);
  parts.layout->setStretchFactor(duplicates_, 2);
  setTabOrder(duplicates_, delete_);
  setTabOrder(delete_, sameName_);
  setTabOrder(sameName_, parts.close);
  // Enter in a list keeps its row; it must not press a button as well.
  delete_->setAutoDefault(false);
  parts.close->setAutoDefault(false);

  connect(delete_, &QPushButton::clicked, this, [this] { DeleteOthers(); });
  connect(duplicates_, &QTreeWidget::itemChanged, this, &CFindDuplicatesDlg::OnItemChanged);
  connect(duplicates_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
    SetKept(item->data(0, kSetRole).toInt(), item->data(0, kEntryRole).toInt());
  });

  Fill();
  DialogUnits::SizeTo(this, 520, 320);
}

int CFindDuplicatesDlg::Kept(int set) const {
  return ValueAt(kept_, set, -1);
}

void CFindDuplicatesDlg::SetKept(int set, int entry) {
  int* kept = TableAt(kept_, set);
  const auto* entries = TableAt(report_.duplicates, set);
  if (!kept || !entries || !TableAt(*entries, entry)) return;
  *kept = entry;
  const bool wasFilling = filling_;
  filling_ = true;
  QTreeWidgetItem* heading = duplicates_->topLevelItem(set);
  for (int i = 0; i < heading->childCount(); ++i)
    heading->child(i)->setCheckState(0, i == entry ? Qt::Checked : Qt::Unchecked);
  filling_ = wasFilling;
}

void CFindDuplicatesDlg::OnItemChanged(QTreeWidgetItem* item, int column) {
  if (filling_ || column != 0) return;
  const int set = item->data(0, kSetRole).toInt();
  const int entry = item->data(0, kEntryRole).toInt();
  if (entry < 0) return;
  // One program of each set is always kept: checking another moves the mark there,
  // unchecking the kept one puts its mark back.
  SetKept(set, item->checkState(0) == Qt::Checked ? entry : Kept(set));
}

std::vector<int> CFindDuplicatesDlg::ProgramsToDelete() const {
  std::vector<int> out;
  for (std::size_t s = 0; s < report_.duplicates.size(); ++s)
    for (std::size_t e = 0; e < report_.duplicates[s].size(); ++e)
      if (int(e) != kept_[s]) out.push_back(report_.duplicates[s][e].program);
  return out;
}

int CFindDuplicatesDlg::DeleteOthers() {
  const std::vector<int> doomed = ProgramsToDelete();
  if (doomed.empty()) return 0;
  const int deleted = doc_.Apply({Q(StepTexts::kDeleteDuplicates).arg(doomed.size()).toStdString(),
                                   DocEditing::Mark::Always},
                                  dbops::DeletePrograms, std::span<const int>(doomed));
  Fill();
  return deleted;
}

void CFindDuplicatesDlg::Fill() {
  filling_ = true;
  const ChannelDatabase& db = doc_.Working();
  report_ = dbops::FindDuplicateReport(db);
  kept_.assign(report_.duplicates.size(), 0);

  duplicates_->clear();
  QList<QTreeWidgetItem*> sets;
  sets.reserve(qsizetype(report_.duplicates.size()));
  std::size_t going = 0;
  for (std::size_t s = 0; s < report_.duplicates.size(); ++s) {
    const dbops::DuplicateSet& set = report_.duplicates[s];
    going += set.size() - 1;
    QTreeWidgetItem* heading = SetItem(Q(T::kSetRow).arg(s + 1).arg(set.size()), int(s));
    for (std::size_t e = 0; e < set.size(); ++e) {
      QTreeWidgetItem* item = EntryItem(db, set[e], int(s), int(e));
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
      item->setCheckState(0, e == 0 ? Qt::Checked : Qt::Unchecked);
      heading->addChild(item);
    }
    sets.append(heading);
  }
  duplicates_->addTopLevelItems(sets);
  duplicates_->expandAll();
  FitColumns(duplicates_, true);
  summary_->setText(report_.duplicates.empty() ? Q(T::kNoDuplicates)
                                               : Q(T::kSummary).arg(report_.duplicates.size()).arg(going));
  delete_->setEnabled(!report_.duplicates.empty());

  sameName_->clear();
  QList<QTreeWidgetItem*> names;
  for (std::size_t s = 0; s < report_.sameName.size(); ++s) {
    const dbops::DuplicateSet& set = report_.sameName[s];
    QTreeWidgetItem* heading =
        SetItem(Q(T::kSameNameRow).arg(duplicaterows::RowTexts(db, set.front())[duplicaterows::kName]).arg(set.size()),
                int(s));
    for (std::size_t e = 0; e < set.size(); ++e) heading->addChild(EntryItem(db, set[e], int(s), int(e)));
    names.append(heading);
  }
  sameName_->addTopLevelItems(names);
  sameName_->expandAll();
  FitColumns(sameName_, false);
  filling_ = false;
}
