#pragma once
// The receiver's channel database as the editor holds it: five sections of fixed-width
// records at fixed offsets, plus the word carried after the block-0 section. The
// layout is the image's byte layout; tables are never compacted, so slot indexes stay
// valid for the life of the database.
#include <array>
#include <cstddef>
#include <cstdint>

#include "db/records/ChannelListBlock.h"
#include "db/records/ProgramRecord.h"
#include "db/records/SatelliteRecord.h"
#include "db/records/SystemBlock.h"
#include "db/records/TransponderRecord.h"

struct ChannelDatabase {
  static constexpr std::size_t kSatelliteCount = 160;
  static constexpr std::size_t kTransponderCount = 2100;
  static constexpr std::size_t kProgramCount = 4000;

  // Section offsets and sizes inside the database content.
  static constexpr std::size_t kSystemOffset = 0;
  static constexpr std::size_t kSatellitesOffset = 168;
  static constexpr std::size_t kSatellitesSize = 5120;
  static constexpr std::size_t kTranspondersOffset = 5288;
  static constexpr std::size_t kTranspondersSize = 33600;
  static constexpr std::size_t kProgramsOffset = 38888;
  static constexpr std::size_t kProgramsSize = 176000;
  static constexpr std::size_t kChannelListsOffset = 214888;
  static constexpr std::size_t kTrailerOffset = 232696;
  static constexpr std::size_t kSize = 232700;

  SystemBlock system;
  std::array<SatelliteRecord, kSatelliteCount> satellites;
  std::array<TransponderRecord, kTransponderCount> transponders;
  std::array<ProgramRecord, kProgramCount> programs;
  ChannelListBlock channelLists;
  std::uint32_t trailerWord = 0;
};

static_assert(sizeof(ChannelDatabase) == ChannelDatabase::kSize);
static_assert(offsetof(ChannelDatabase, satellites) == ChannelDatabase::kSatellitesOffset);
static_assert(offsetof(ChannelDatabase, transponders) == ChannelDatabase::kTranspondersOffset);
static_assert(offsetof(ChannelDatabase, programs) == ChannelDatabase::kProgramsOffset);
static_assert(offsetof(ChannelDatabase, channelLists) == ChannelDatabase::kChannelListsOffset);
static_assert(offsetof(ChannelDatabase, trailerWord) == ChannelDatabase::kTrailerOffset);
