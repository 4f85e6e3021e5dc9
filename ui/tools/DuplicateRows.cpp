#include "ui/tools/DuplicateRows.h"

#include "db/operations/ChannelRows.h"
#include "ui/channels/GroupChTexts.h"
#include "ui/satellites/SatTPTexts.h"
#include "ui/tools/DuplicateTexts.h"
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
  using DataExchange::NameText;
  QStringList row;
  row.reserve(kColumnCount);
  // The report may be older than the database when the caller kept it: what it names
  // no longer there reads "?".
  const channelrows::Row r = channelrows::RowOf(db, entry.program, 0);
  if (r.program < 0) {
    row << QStringLiteral("?") << QString() << QString() << QString();
  } else {
    row << NameText(r.name);
    if (r.frequency >= 0) {
      row << (r.satellite >= 0 ? NameText(r.satelliteName) : QStringLiteral("?"));
      row << Q(T::kTransponder).arg(r.frequency).arg(Q(r.horizontal ? SatTPTexts::kPolarHor : SatTPTexts::kPolarVer));
    } else {
      row << QStringLiteral("?") << QStringLiteral("?");
    }
    row << QString::number(r.serviceId);
  }
  row << Position(entry.tvRow) << Position(entry.radioRow);
  QStringList groups;
  for (int g = 0; g < int(ChannelListBlock::kGroupCount); ++g)
    if (entry.groups & (1u << g)) groups << NameText(channelrows::GroupName(db, g));
  row << groups.join(Q(T::kGroupSeparator));
  return row;
}

}  // namespace duplicaterows
