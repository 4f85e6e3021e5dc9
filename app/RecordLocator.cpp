#include "app/RecordLocator.h"

#include "app/CMainSheet.h"
#include "db/document/StepSubject.h"
#include "db/records/ChannelDatabase.h"
#include "db/records/TableNames.h"

namespace recordlocator {

namespace {

using Kind = StepSubject::Kind;

// The page that shows the record comes to the front, as it would for a person looking
// for it; a record it has no row for leaves the page in front as it was.
bool Reveal(CMainSheet& sheet, const StepSubject& record) {
  const bool satellites = record.kind == Kind::Satellite || record.kind == Kind::Transponder;
  QWidget* const page = satellites ? static_cast<QWidget*>(sheet.SatTPPage()) : sheet.GroupChPage();
  QWidget* const before = sheet.currentWidget();
  sheet.setCurrentWidget(page);
  if (satellites ? sheet.SatTPPage()->Reveal(record) : sheet.GroupChPage()->Reveal(record)) return true;
  sheet.setCurrentWidget(before);
  return false;
}

}  // namespace

bool Show(CMainSheet& sheet, const Problem& p) {
  if (p.slot < 0) return false;
  if (p.table == tables::kSatellites)
    return p.slot < int(ChannelDatabase::kSatelliteCount) && Reveal(sheet, {Kind::Satellite, p.slot, -1});
  if (p.table == tables::kTransponders)
    return p.slot < int(ChannelDatabase::kTransponderCount) && Reveal(sheet, {Kind::Transponder, p.slot, -1});
  if (p.table == tables::kPrograms) return ShowProgram(sheet, p.slot);
  // A list's problem names a position in it.
  if (p.table == tables::kTvList) return Reveal(sheet, {Kind::TvList, -1, p.slot});
  if (p.table == tables::kRadioList) return Reveal(sheet, {Kind::RadioList, -1, p.slot});
  if (p.table == tables::kFavoriteGroups) return Reveal(sheet, {Kind::Group, p.slot, p.position});
  return false;
}

bool ShowProgram(CMainSheet& sheet, int program) {
  if (program < 0 || program >= int(ChannelDatabase::kProgramCount)) return false;
  return Reveal(sheet, {Kind::Program, program, -1});
}

}  // namespace recordlocator
