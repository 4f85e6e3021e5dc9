#pragma once
// The receiver variant a database belongs to. It decides where the sections lie in the
// image and how wide the program PIDs are; the database content is the same for all.
#include <cstdint>

namespace dbtype {

inline constexpr int kCount = 4;
inline constexpr int kDefault = 3;

inline constexpr bool IsValid(int dbType) { return dbType >= 0 && dbType < kCount; }

// Names of the variants as the "DB Type" list shows them.
inline constexpr const char* kNames[kCount] = {"TypeA", "TypeB 7 Block Size",
                                               "TypeB 6 Block Size", "TypeC"};

// Variants 2 and 3 put the system block and the satellites together in block 0 and
// own an extra block whose first word travels in block 6.
inline constexpr bool HasExtraBlock(int dbType) { return dbType == 2 || dbType == 3; }

// TypeC receivers keep 13-bit PIDs; the top three bits of the word are not part of it.
inline constexpr std::uint16_t PidMask(int dbType) { return dbType == 3 ? 0x1FFF : 0xFFFF; }
inline constexpr std::uint16_t ReadPid(std::uint16_t stored, int dbType) {
  return static_cast<std::uint16_t>(stored & PidMask(dbType));
}
inline constexpr std::uint16_t WritePid(std::uint32_t value, int dbType) {
  return static_cast<std::uint16_t>(value & PidMask(dbType));
}

// The image-type word the send side puts in the link header for each variant.
inline constexpr std::uint32_t ImageTypeWord(int dbType) {
  switch (dbType) {
    case 0: return 0x7FF70000u;
    case 1: return 0x40170000u;
    default: return 0x40180000u;
  }
}

}  // namespace dbtype
