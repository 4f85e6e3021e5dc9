#include "ui/tools/CUpdateTranspondersDlg.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "db/exchange/OrbitalPosition.h"
#include "db/records/TableAt.h"
#include "ui/tools/TransponderListDialogTexts.h"
#include "widgets/DialogUnits.h"
#include "widgets/Texts.h"

namespace {

namespace T = TransponderListDialogTexts;
using Texts::Q;

enum Column { kSatellite, kMatch, kAdd, kPresent, kCircular, kLeftOut, kColumns };

QString ListSatelliteText(const satxml::Satellite& s) {
  return QString::fromLatin1(T::kListSatellite)
      .arg(QString::fromStdString(s.name), QString::fromStdString(orbit::Format(s.position)));
}

}  // namespace

CUpdateTranspondersDlg::CUpdateTranspondersDlg(const ChannelDatabase& db, const satxml::List& list,
                                               const QString& fileName, QWidget* parent)
    : QDialog(parent), db_(db), list_(list), matches_(tpupdate::MatchByName(db, list)) {
  setObjectName(QStringLiteral("CUpdateTranspondersDlg"));
  setWindowTitle(Q(T::kCaption).arg(fileName));
  setFont(DialogUnits::DialogFont());

  auto* summary = new QLabel(
      Q(T::kSummary).arg(fileName).arg(list.satellites.size()).arg(list.TransponderCount()), this);
  summary->setObjectName(QStringLiteral("summary"));
  summary->setWordWrap(true);

  auto* satellitesLabel = new QLabel(Q(T::kSatellites), this);
  satellites_ = new QTreeWidget(this);
  satellites_->setObjectName(QStringLiteral("satelliteList"));
  satellites_->setAccessibleName(Q(T::kSatellites));
  satellitesLabel->setBuddy(satellites_);
  satellites_->setRootIsDecorated(false);
  satellites_->setUniformRowHeights(true);
  satellites_->setAllColumnsShowFocus(true);
  satellites_->setSelectionMode(QAbstractItemView::SingleSelection);
  satellites_->setHeaderLabels({Q(T::kColumnSatellite), Q(T::kColumnMatch), Q(T::kColumnAdd), Q(T::kColumnPresent),
                                Q(T::kColumnCircular), Q(T::kColumnLeftOut)});
  satellites_->header()->setSectionsClickable(false);

  auto* takeFromLabel = new QLabel(Q(T::kTakeFrom), this);
  listSatellites_ = new QListWidget(this);
  listSatellites_->setObjectName(QStringLiteral("listSatellites"));
  listSatellites_->setAccessibleName(Q(T::kTakeFrom));
  takeFromLabel->setBuddy(listSatellites_);
  listSatellites_->addItem(Q(T::kNoMatch));
  for (const satxml::Satellite& s : list.satellites) listSatellites_->addItem(ListSatelliteText(s));

  total_ = new QLabel(this);
  total_->setObjectName(QStringLiteral("total"));
  total_->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  // The satellites take the width, the list's satellites stand beside them.
  auto* lists = new QGridLayout;
  lists->addWidget(satellitesLabel, 0, 0);
  lists->addWidget(satellites_, 1, 0);
  lists->addWidget(takeFromLabel, 0, 1);
  lists->addWidget(listSatellites_, 1, 1);
  lists->setColumnStretch(0, 3);
  lists->setColumnStretch(1, 2);
  lists->setRowStretch(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary);
  layout->addLayout(lists, 1);
  layout->addWidget(total_);
  layout->addWidget(buttons);
  setTabOrder(satellites_, listSatellites_);
  setTabOrder(listSatellites_, buttons);

  for (std::size_t s = 0; s < ChannelDatabase::kSatelliteCount; ++s)
    if (db.satellites[s].IsUsed()) rows_.push_back(static_cast<int>(s));
  for (std::size_t r = 0; r < rows_.size(); ++r) satellites_->addTopLevelItem(new QTreeWidgetItem);
  connect(satellites_, &QTreeWidget::currentItemChanged, this, [this] { ShowMatchOfCurrent(); });
  connect(listSatellites_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!showing_) SetMatch(satellites_->indexOfTopLevelItem(satellites_->currentItem()), row - 1);
  });
  Refresh();
  for (int c = 0; c < kColumns; ++c) satellites_->resizeColumnToContents(c);
  if (!rows_.empty()) satellites_->setCurrentItem(satellites_->topLevelItem(0));

  const QFontMetrics fm(font());
  resize(fm.averageCharWidth() * 110, fm.height() * 28);
}

void CUpdateTranspondersDlg::SetMatch(int row, int listIndex) {
  const int* slot = TableAt(rows_, row);
  if (!slot || listIndex < tpupdate::kNoMatch || listIndex >= static_cast<int>(list_.satellites.size())) return;
  matches_[static_cast<std::size_t>(*slot)] = listIndex;
  Refresh();
  if (satellites_->indexOfTopLevelItem(satellites_->currentItem()) == row) ShowMatchOfCurrent();
}

void CUpdateTranspondersDlg::Refresh() {
  preview_ = tpupdate::Preview(db_, list_, matches_);
  // The report has a line for each satellite in use, in slot order: one a row.
  for (std::size_t r = 0; r < preview_.satellites.size(); ++r) {
    const tpupdate::SatelliteReport& s = preview_.satellites[r];
    QTreeWidgetItem* item = satellites_->topLevelItem(static_cast<int>(r));
    const bool matched = s.match != tpupdate::kNoMatch;
    item->setText(kSatellite, QString::fromStdString(s.name));
    item->setText(kMatch, matched ? ListSatelliteText(list_.satellites[static_cast<std::size_t>(s.match)])
                                  : Q(T::kNoMatch));
    const auto count = [matched](int n) { return matched ? QString::number(n) : QString(); };
    item->setText(kAdd, count(s.added));
    item->setText(kPresent, count(s.present));
    item->setText(kCircular, count(s.circular));
    item->setText(kLeftOut, s.leftOut > 0 ? QString::number(s.leftOut) : QString());
  }
  total_->setText(preview_.LeftOut() == 0
                      ? Q(T::kTotal).arg(preview_.Added()).arg(preview_.Matched())
                      : Q(T::kTotalLeftOut).arg(preview_.Added()).arg(preview_.Matched()).arg(preview_.LeftOut()));
}

void CUpdateTranspondersDlg::ShowMatchOfCurrent() {
  const int* slot = TableAt(rows_, satellites_->indexOfTopLevelItem(satellites_->currentItem()));
  showing_ = true;
  listSatellites_->setCurrentRow(slot ? matches_[static_cast<std::size_t>(*slot)] + 1 : -1);
  showing_ = false;
}
