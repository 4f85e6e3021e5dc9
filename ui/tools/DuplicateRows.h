#pragma once
// One program of a "Find Duplicates" set as a row: its name, where it is received
// (satellite, transponder, service ID), and where the user meets it (its numbers in
// the TV and radio lists, counted from 1, and the favourite groups holding it).
#include <QStringList>

#include "db/operations/DuplicateReport.h"
#include "db/records/ChannelDatabase.h"

namespace duplicaterows {

enum Column { kName, kSatellite, kTransponder, kServiceId, kTvNo, kRadioNo, kGroups, kColumnCount };

// The column headers, in Column order.
QStringList Headers();

// The row's texts in Column order; a number the program does not have is empty.
QStringList RowTexts(const ChannelDatabase& db, const dbops::DuplicateEntry& entry);

}  // namespace duplicaterows
