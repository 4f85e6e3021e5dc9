#pragma once
// Column titles of a channel list, the same on the Group/Channel page and on paper.
#include <QtGlobal>

namespace ChannelColumnTexts {

inline constexpr const char* kNumber = QT_TRANSLATE_NOOP("ChannelColumnTexts", "No.");
inline constexpr const char* kName = QT_TRANSLATE_NOOP("ChannelColumnTexts", "Name");
inline constexpr const char* kSatellite = QT_TRANSLATE_NOOP("ChannelColumnTexts", "Satellite");
inline constexpr const char* kFrequency = QT_TRANSLATE_NOOP("ChannelColumnTexts", "Frequency/Pol");
inline constexpr const char* kServiceId = QT_TRANSLATE_NOOP("ChannelColumnTexts", "Service ID");
inline constexpr const char* kLock = QT_TRANSLATE_NOOP("ChannelColumnTexts", "Lock");
inline constexpr const char* kGroups = QT_TRANSLATE_NOOP("ChannelColumnTexts", "Groups");
// The title of the column that marks programs a reference apply brought in, and the mark.
inline constexpr const char* kNew = QT_TRANSLATE_NOOP("ChannelColumnTexts", "New");

}  // namespace ChannelColumnTexts
