#pragma once
// When two programs are the same service: the one definition the consistency check and
// the lists' "Find Duplicates" share. Two Used programs are duplicates when their
// transponders are Used, belong to the same satellite slot and have the same frequency
// and polarization, and the programs have the same service ID. A program whose
// transponder is missing has no key and duplicates nothing.
#include <cstdint>
#include <optional>
#include <vector>

#include "db/records/ChannelDatabase.h"

namespace duplicates {

// The program's identity as a single number; nothing when it has none.
std::optional<std::uint64_t> KeyOf(const ChannelDatabase& db, std::size_t program);

// Every set of two or more duplicate programs, each in slot order, the sets ordered by
// their first slot.
std::vector<std::vector<int>> FindDuplicatePrograms(const ChannelDatabase& db);

}  // namespace duplicates
