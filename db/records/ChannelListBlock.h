#pragma once
// The channel order section (17808 bytes): TV list, radio list, eight favourite groups.
#include <array>
#include <cstddef>

#include "db/records/FavoriteGroupRecord.h"
#include "db/records/ServiceList.h"

struct ChannelListBlock {
  static constexpr std::size_t kSize = 17808;
  static constexpr std::size_t kGroupCount = 8;
  static constexpr int kTvList = 0;
  static constexpr int kRadioList = 1;

  ServiceList tvList;
  ServiceList radioList;
  std::array<FavoriteGroupRecord, kGroupCount> favoriteGroups;

  // 0 = tvList, 1 = radioList, anything else nothing
  ServiceList* List(int which) {
    return which == kTvList ? &tvList : which == kRadioList ? &radioList : nullptr;
  }
  const ServiceList* List(int which) const {
    return which == kTvList ? &tvList : which == kRadioList ? &radioList : nullptr;
  }
};
static_assert(sizeof(ChannelListBlock) == ChannelListBlock::kSize);
static_assert(offsetof(ChannelListBlock, radioList) == 8008);
static_assert(offsetof(ChannelListBlock, favoriteGroups) == 16016);
