#pragma once
// The stable names of the database's tables and singletons, as the check, the
// comparison and the JSON and CSV exchange call them. Scripts rely on them: never
// rename one.
#include <string_view>

namespace tables {

inline constexpr std::string_view kHeader = "header";
inline constexpr std::string_view kSystem = "system";
inline constexpr std::string_view kSatellites = "satellites";
inline constexpr std::string_view kTransponders = "transponders";
inline constexpr std::string_view kPrograms = "programs";
inline constexpr std::string_view kTvList = "tvList";
inline constexpr std::string_view kRadioList = "radioList";
inline constexpr std::string_view kFavoriteGroups = "favoriteGroups";
inline constexpr std::string_view kTrailerWord = "trailerWord";
inline constexpr std::string_view kExtraWord = "extraWord";
// The image around the sections: checksum words and bytes no section covers.
inline constexpr std::string_view kImage = "image";

// Every name above; what shows a table by name (the comparison's headings) covers these.
inline constexpr std::string_view kAll[] = {kHeader,    kSystem,         kSatellites,  kTransponders, kPrograms, kTvList,
                                            kRadioList, kFavoriteGroups, kTrailerWord, kExtraWord,    kImage};

// 0 = tvList, 1 = radioList, as ChannelListBlock::List numbers them.
inline constexpr std::string_view ListName(int list) { return list == 0 ? kTvList : kRadioList; }

}  // namespace tables
