#pragma once
// The receiver variant a database belongs to. It decides where the sections lie in the
// image and how wide the program PIDs are; the database content is the same for all.
#include <cstdint>

// The four variants. Settings, files, the command line and the "DB Type" list carry
// a variant as its number (the list's row), which Index gives.
enum class DbType : int { TypeA = 0, TypeB7 = 1, TypeB6 = 2, TypeC = 3 };

namespace dbtype {

inline constexpr int Index(DbType type) { return static_cast<int>(type); }
inline constexpr bool Is(int dbType, DbType type) { return dbType == Index(type); }

inline constexpr int kCount = 4;
// A new document, the settings and the command line start with TypeC.
inline constexpr int kDefault = Index(DbType::TypeC);

inline constexpr bool IsValid(int dbType) { return dbType >= 0 && dbType < kCount; }

// Names of the variants as the "DB Type" list shows them.
inline constexpr const char* kNames[kCount] = {"TypeA", "TypeB 7 Block Size",
                                               "TypeB 6 Block Size", "TypeC"};

// TypeB 6 Block Size and TypeC put the system block and the satellites together in
// block 0 and own an extra block whose first word travels in block 6.
inline constexpr bool HasExtraBlock(int dbType) { return Is(dbType, DbType::TypeB6) || Is(dbType, DbType::TypeC); }

// TypeC receivers keep 13-bit PIDs; the top three bits of the word are not part of it.
inline constexpr std::uint16_t PidMask(int dbType) { return Is(dbType, DbType::TypeC) ? 0x1FFF : 0xFFFF; }
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
