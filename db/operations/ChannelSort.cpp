#include "db/operations/ChannelSort.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <cstdint>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

namespace dbops {
namespace {

// What each byte of the receiver's code page (Windows-1252) reads as when names are
// compared: every letter as its plain lower-case Latin letter or letters, so "É" sorts
// beside "e", "ß" as "ss", "Æ" as "ae", "Þ" as "th". Every other byte stands for itself;
// digits are read as numbers before this table is asked.
struct Folding {
  std::array<std::array<char, 2>, 256> to{};
  std::array<std::uint8_t, 256> length{};

  constexpr void Put(unsigned char from, const char* as) {
    length[from] = as[1] != '\0' ? 2 : 1;
    to[from] = {as[0], as[1]};
  }
  constexpr void Put(std::initializer_list<unsigned char> from, const char* as) {
    for (unsigned char c : from) Put(c, as);
  }
  constexpr Folding() {
    for (int c = 0; c < 256; ++c) {
      to[std::size_t(c)] = {static_cast<char>(c), '\0'};
      length[std::size_t(c)] = 1;
    }
    for (unsigned char c = 'A'; c <= 'Z'; ++c) to[c][0] = static_cast<char>(c + 0x20);
    Put(0x83, "f");                                                   // f with hook
    Put({0x8A, 0x9A}, "s");                                           // S, s caron
    Put({0x8C, 0x9C}, "oe");                                          // OE, oe
    Put({0x8E, 0x9E}, "z");                                           // Z, z caron
    Put({0x9F, 0xDD, 0xFD, 0xFF}, "y");                               // Y diaeresis, Y acute
    Put(0xAA, "a");                                                   // feminine ordinal
    Put(0xBA, "o");                                                   // masculine ordinal
    Put({0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5}, "a");
    Put({0xC6, 0xE6}, "ae");
    Put({0xC7, 0xE7}, "c");
    Put({0xC8, 0xC9, 0xCA, 0xCB, 0xE8, 0xE9, 0xEA, 0xEB}, "e");
    Put({0xCC, 0xCD, 0xCE, 0xCF, 0xEC, 0xED, 0xEE, 0xEF}, "i");
    Put({0xD0, 0xF0}, "d");                                           // eth
    Put({0xD1, 0xF1}, "n");
    Put({0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD8, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF8}, "o");
    Put({0xD9, 0xDA, 0xDB, 0xDC, 0xF9, 0xFA, 0xFB, 0xFC}, "u");
    Put({0xDE, 0xFE}, "th");                                          // thorn
    Put(0xDF, "ss");
  }
};

constexpr Folding kFolding;

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// Natural comparison of two folded names: runs of digits by their value, everything
// else byte by byte.
int CompareFolded(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const auto ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[j]);
    if (IsDigit(ca) && IsDigit(cb)) {
      // Compare the runs by value: skip leading zeros, then the longer run is
      // larger, then the first differing digit decides.
      std::size_t ea = i, eb = j;
      while (ea < a.size() && IsDigit(static_cast<unsigned char>(a[ea]))) ++ea;
      while (eb < b.size() && IsDigit(static_cast<unsigned char>(b[eb]))) ++eb;
      std::size_t za = i, zb = j;
      while (za + 1 < ea && a[za] == '0') ++za;
      while (zb + 1 < eb && b[zb] == '0') ++zb;
      if (ea - za != eb - zb) return ea - za < eb - zb ? -1 : 1;
      for (; za < ea; ++za, ++zb)
        if (a[za] != b[zb]) return a[za] < b[zb] ? -1 : 1;
      i = ea;
      j = eb;
      continue;
    }
    if (ca != cb) return ca < cb ? -1 : 1;
    ++i;
    ++j;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

// The stored bytes as unsigned values, so the last word never depends on the
// platform's char or the user's locale.
int CompareBytes(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t k = 0; k < n; ++k) {
    const auto ca = static_cast<unsigned char>(a[k]), cb = static_cast<unsigned char>(b[k]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

// A name ready for comparing: folded once, its stored bytes kept for ties.
struct NameKey {
  std::string folded;
  std::string_view stored;
};

int CompareKeys(const NameKey& a, const NameKey& b) {
  if (const int c = CompareFolded(a.folded, b.folded)) return c;
  return CompareBytes(a.stored, b.stored);
}

}  // namespace

std::string FoldName(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  for (const char c : name) {
    const auto b = static_cast<unsigned char>(c);
    out.append(kFolding.to[b].data(), kFolding.length[b]);
  }
  return out;
}

int CompareNamesNaturally(std::string_view a, std::string_view b) {
  return CompareKeys({FoldName(a), a}, {FoldName(b), b});
}

namespace {

constexpr std::uint32_t kLast = 0xFFFFFFFFu;

// The satellite, frequency and polarization of a program's transponder, or
// kLast for every part when a link runs past its table.
std::tuple<std::uint32_t, std::uint32_t, std::uint32_t> PlaceOf(const ChannelDatabase& db, std::uint16_t program) {
  if (program >= ChannelDatabase::kProgramCount) return {kLast, kLast, kLast};
  const std::uint32_t tp = db.programs[program].TransponderIndex();
  if (tp >= ChannelDatabase::kTransponderCount) return {kLast, kLast, kLast};
  const TransponderRecord& t = db.transponders[tp];
  const std::uint32_t sat = t.SatelliteIndex();
  if (sat >= ChannelDatabase::kSatelliteCount) return {kLast, kLast, kLast};
  return {sat, t.Frequency(), t.Polarization()};
}

template <typename Less>
std::vector<std::uint16_t> StableSorted(const std::vector<std::uint16_t>& entries, Less less) {
  std::vector<std::size_t> idx(entries.size());
  std::iota(idx.begin(), idx.end(), std::size_t{0});
  std::stable_sort(idx.begin(), idx.end(), less);
  std::vector<std::uint16_t> out(entries.size());
  for (std::size_t i = 0; i < idx.size(); ++i) out[i] = entries[idx[i]];
  return out;
}

template <typename Key>
std::vector<std::uint16_t> SortedBy(const std::vector<std::uint16_t>& entries, const std::vector<Key>& keys) {
  return StableSorted(entries, [&](std::size_t x, std::size_t y) { return keys[x] < keys[y]; });
}

std::vector<std::uint16_t> SortedByName(const ChannelDatabase& db, const std::vector<std::uint16_t>& entries) {
  // A slot outside the table has no name and goes last.
  std::vector<std::string> stored(entries.size());
  std::vector<bool> outside(entries.size());
  std::vector<NameKey> keys(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    outside[i] = entries[i] >= ChannelDatabase::kProgramCount;
    if (!outside[i]) stored[i] = db.programs[entries[i]].Name();
    keys[i] = {FoldName(stored[i]), stored[i]};
  }
  return StableSorted(entries, [&](std::size_t x, std::size_t y) {
    if (outside[x] != outside[y]) return bool(outside[y]);
    return CompareKeys(keys[x], keys[y]) < 0;
  });
}

std::vector<std::uint16_t> Sorted(const ChannelDatabase& db, std::vector<std::uint16_t> entries, SortKey key) {
  switch (key) {
    case SortKey::Name: return SortedByName(db, entries);
    case SortKey::SatelliteAndFrequency: {
      std::vector<std::tuple<std::uint32_t, std::uint32_t, std::uint32_t>> keys;
      keys.reserve(entries.size());
      for (std::uint16_t p : entries) keys.push_back(PlaceOf(db, p));
      return SortedBy(entries, keys);
    }
    case SortKey::ServiceId: {
      std::vector<std::uint32_t> keys;
      keys.reserve(entries.size());
      for (std::uint16_t p : entries)
        keys.push_back(p < ChannelDatabase::kProgramCount ? db.programs[p].ServiceId() : kLast);
      return SortedBy(entries, keys);
    }
    case SortKey::Reverse: std::reverse(entries.begin(), entries.end()); return entries;
  }
  return entries;
}

}  // namespace

bool SortOrder(ChannelDatabase& db, ChannelOrder order, SortKey key) {
  if (!OrderExists(db, order)) return false;
  return SetOrderEntries(db, order, Sorted(db, OrderEntries(db, order), key));
}

int SortRows(ChannelDatabase& db, ChannelOrder order, std::span<const int> rows, SortKey key) {
  if (!OrderExists(db, order)) return 0;
  std::vector<std::uint16_t> entries = OrderEntries(db, order);
  std::vector<int> at;
  for (int r : rows)
    if (r >= 0 && std::size_t(r) < entries.size()) at.push_back(r);
  std::sort(at.begin(), at.end());
  at.erase(std::unique(at.begin(), at.end()), at.end());
  if (at.size() < 2) return 0;
  std::vector<std::uint16_t> picked;
  picked.reserve(at.size());
  for (int r : at) picked.push_back(entries[std::size_t(r)]);
  picked = Sorted(db, std::move(picked), key);
  for (std::size_t k = 0; k < at.size(); ++k) entries[std::size_t(at[k])] = picked[k];
  if (!SetOrderEntries(db, order, entries)) return 0;
  return static_cast<int>(at.size());
}

}  // namespace dbops
