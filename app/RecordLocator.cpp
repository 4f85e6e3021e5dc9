#include "app/RecordLocator.h"

#include <QComboBox>

#include "app/CMainSheet.h"
#include "db/records/TableNames.h"
#include "ui/channels/GroupChListView.h"
#include "ui/satellites/SatTPListView.h"

namespace recordlocator {

namespace {

constexpr int kNone = -1;

// The page's own controls, found by the names they carry for tests and screen readers.
template <typename W>
W* Control(QWidget& page, const char* name) {
  return page.findChild<W*>(QString::fromLatin1(name));
}

int RowOf(const int* rows, int count, int slot) {
  for (int row = 0; row < count; ++row)
    if (rows[row] == slot) return row;
  return kNone;
}

bool ShowSatellite(CMainSheet& sheet, int satellite) {
  CPageSatTP& page = *sheet.SatTPPage();
  sheet.setCurrentWidget(&page);
  page.RefreshSatellites();
  const SatTPPageState& s = page.State();
  const int row = RowOf(s.satelliteRows.data(), s.satelliteRowCount, satellite);
  auto* list = Control<SatTPListView>(page, "satelliteList");
  if (row == kNone || !list) return false;
  list->clearSelection();
  list->MarkRow(row);  // the page follows with its transponders and Sat. Info
  return true;
}

bool ShowTransponder(CMainSheet& sheet, const ChannelDatabase& db, int transponder) {
  const int satellite = int(db.transponders[std::size_t(transponder)].SatelliteIndex());
  if (satellite >= int(ChannelDatabase::kSatelliteCount) || !ShowSatellite(sheet, satellite)) return false;
  CPageSatTP& page = *sheet.SatTPPage();
  const SatTPPageState& s = page.State();
  const int row = RowOf(s.transponderRows.data(), s.transponderRowCount, transponder);
  auto* list = Control<SatTPListView>(page, "transponderList");
  if (row == kNone || !list) return false;
  list->clearSelection();
  list->MarkRow(row);
  return true;
}

bool SelectListRow(GroupChListView* list, int row) {
  if (!list || row < 0 || row >= list->RowCount()) return false;
  list->setFocus();  // makes it the active list, as a click does
  list->clearSelection();
  list->SetCurrentRow(row);
  list->ScrollToRow(row);
  return true;
}

bool ShowListPosition(CMainSheet& sheet, int list, int position) {
  CPageGroupCh& page = *sheet.GroupChPage();
  sheet.setCurrentWidget(&page);
  auto* kind = Control<QComboBox>(page, "kind");
  if (!kind || list < 0 || list >= kind->count()) return false;
  if (kind->currentIndex() != list) {
    kind->setCurrentIndex(list);
  } else {
    page.FillServiceList(list);
  }
  auto* entries = Control<GroupChListView>(page, "serviceList");
  if (position < 0) return entries != nullptr;  // the list as a whole: shown, no row picked
  return SelectListRow(entries, position);
}

bool ShowGroupMember(CMainSheet& sheet, int group, int position) {
  CPageGroupCh& page = *sheet.GroupChPage();
  sheet.setCurrentWidget(&page);
  const GroupChPageState& s = page.State();
  const int comboRow = RowOf(s.groupMap.data(), s.groupComboRows, group);
  auto* combo = Control<QComboBox>(page, "groupCombo");
  if (comboRow == kNone || !combo) return false;
  if (combo->currentIndex() != comboRow) {
    combo->setCurrentIndex(comboRow);
  } else {
    page.FillGroupList(group);
  }
  auto* members = Control<GroupChListView>(page, "groupList");
  if (position < 0) return members != nullptr;  // the group as a whole: shown, no member picked
  return SelectListRow(members, position);
}

}  // namespace

bool Show(CMainSheet& sheet, const ChannelDatabase& db, const Problem& p) {
  if (p.slot < 0) return false;
  if (p.table == tables::kSatellites)
    return p.slot < int(ChannelDatabase::kSatelliteCount) && ShowSatellite(sheet, p.slot);
  if (p.table == tables::kTransponders)
    return p.slot < int(ChannelDatabase::kTransponderCount) && ShowTransponder(sheet, db, p.slot);
  if (p.table == tables::kPrograms) return ShowProgram(sheet, db, p.slot);
  if (p.table == tables::kTvList) return ShowListPosition(sheet, 0, p.slot);
  if (p.table == tables::kRadioList) return ShowListPosition(sheet, 1, p.slot);
  if (p.table == tables::kFavoriteGroups) return ShowGroupMember(sheet, p.slot, p.position);
  return false;
}

bool ShowProgram(CMainSheet& sheet, const ChannelDatabase& db, int program) {
  if (program < 0 || program >= int(ChannelDatabase::kProgramCount)) return false;
  for (int list = 0; list < 2; ++list) {
    const ServiceList& entries = *db.channelLists.List(list);
    for (std::size_t i = 0; i < entries.ValidCount(); ++i)
      if (entries.Entry(i) == program) return ShowListPosition(sheet, list, int(i));
  }
  for (int group = 0; group < int(db.channelLists.favoriteGroups.size()); ++group) {
    const FavoriteGroupRecord& g = db.channelLists.favoriteGroups[std::size_t(group)];
    if (!g.IsUsed()) continue;
    for (std::size_t i = 0; i < g.ValidMemberCount(); ++i)
      if (g.Member(i) == program) return ShowGroupMember(sheet, group, int(i));
  }
  return false;
}

}  // namespace recordlocator
