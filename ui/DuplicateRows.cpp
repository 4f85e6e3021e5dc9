#include "ui/DuplicateRows.h"

#include "ui/DuplicateTexts.h"
#include "ui/GroupChTexts.h"
#include "ui/SatTPTexts.h"
#include "widgets/DataExchange.h"
#include "widgets/Texts.h"

namespace duplicaterows {
namespace {

using Texts::Q;
namespace T = DuplicateTexts;

QString Position(int row) { return row >= 0 ? QString::number(row + 1) : QString(); }

}  // namespace

QStringList Headers() {
  return {Q(GroupChTexts::kName), Q(GroupChTexts::kSatellite), Q(T::kColumnTransponder), Q(GroupChTexts::kServiceId),
          Q(T::kColumnTvNo),        Q(T::kColumnRadioNo),          Q(T::kColumnGroups)};
}

QStringList RowTexts(const ChannelDatabase& db, const dbops::DuplicateEntry& entry) {
  QStringList row;
  row.reserve(kColumnCount);
  const auto slot = static_cast<std::size_t>(entry.program);
  if (slot >= db.programs.size()) {
    // Not a program of this database; nothing to say but where it was met.
    row << QStringLiteral("?") << QString() << QString() << QString();
  } else {
    const ProgramRecord& p = db.programs[slot];
    row << DataExchange::NameFromField(p.NameField(), ProgramRecord::kNameWidth);
    // Only programs on a listed transponder have duplicates, but the report may be
    // older than the database when the caller kept it.
    const std::size_t tpSlot = p.TransponderIndex();
    if (tpSlot < db.transponders.size()) {
      const TransponderRecord& tp = db.transponders[tpSlot];
      const std::size_t satSlot = tp.SatelliteIndex();
      row << (satSlot < db.satellites.size()
                  ? DataExchange::NameFromField(db.satellites[satSlot].NameField(), SatelliteRecord::kNameWidth)
                  : QStringLiteral("?"));
      row << Q(T::kTransponder)
                 .arg(tp.Frequency())
                 .arg(Q(tp.Polarization() == TransponderRecord::kHorizontal ? SatTPTexts::kPolarHor
                                                                            : SatTPTexts::kPolarVer));
    } else {
      row << QStringLiteral("?") << QStringLiteral("?");
    }
    row << QString::number(p.ServiceId());
  }
  row << Position(entry.tvRow) << Position(entry.radioRow);
  QStringList groups;
  for (std::size_t g = 0; g < ChannelListBlock::kGroupCount; ++g)
    if (entry.groups & (1u << g))
      groups << DataExchange::NameFromField(db.channelLists.favoriteGroups[g].NameField(),
                                            FavoriteGroupRecord::kNameWidth);
  row << groups.join(Q(T::kGroupSeparator));
  return row;
}

}  // namespace duplicaterows
