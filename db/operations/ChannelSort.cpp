#include "db/operations/ChannelSort.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

namespace dbops {
namespace {

// Lower case of a byte in the receiver's code page (Windows-1252).
unsigned char Fold(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
  switch (c) {
    case 0x8A: return 0x9A;  // S caron
    case 0x8C: return 0x9C;  // OE
    case 0x8E: return 0x9E;  // Z caron
    case 0x9F: return 0xFF;  // Y diaeresis
    default: return c;
  }
}

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

}  // namespace

int CompareNamesNaturally(std::string_view a, std::string_view b) {
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
    const unsigned char fa = Fold(ca), fb = Fold(cb);
    if (fa != fb) return fa < fb ? -1 : 1;
    ++i;
    ++j;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
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

template <typename Key>
std::vector<std::uint16_t> SortedBy(const std::vector<std::uint16_t>& entries, const std::vector<Key>& keys) {
  std::vector<std::size_t> idx(entries.size());
  std::iota(idx.begin(), idx.end(), std::size_t{0});
  std::stable_sort(idx.begin(), idx.end(), [&](std::size_t x, std::size_t y) { return keys[x] < keys[y]; });
  std::vector<std::uint16_t> out(entries.size());
  for (std::size_t i = 0; i < idx.size(); ++i) out[i] = entries[idx[i]];
  return out;
}

std::vector<std::uint16_t> SortedByName(const ChannelDatabase& db, const std::vector<std::uint16_t>& entries) {
  // A slot outside the table has no name and goes last.
  std::vector<std::pair<bool, std::string>> names(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i] < ChannelDatabase::kProgramCount)
      names[i] = {false, db.programs[entries[i]].Name()};
    else
      names[i] = {true, std::string()};
  }
  std::vector<std::size_t> idx(entries.size());
  std::iota(idx.begin(), idx.end(), std::size_t{0});
  std::stable_sort(idx.begin(), idx.end(), [&](std::size_t x, std::size_t y) {
    if (names[x].first != names[y].first) return names[y].first;
    return CompareNamesNaturally(names[x].second, names[y].second) < 0;
  });
  std::vector<std::uint16_t> out(entries.size());
  for (std::size_t i = 0; i < idx.size(); ++i) out[i] = entries[idx[i]];
  return out;
}

}  // namespace

bool SortOrder(ChannelDatabase& db, ChannelOrder order, SortKey key) {
  if (!OrderExists(db, order)) return false;
  std::vector<std::uint16_t> entries = OrderEntries(db, order);
  switch (key) {
    case SortKey::Name: entries = SortedByName(db, entries); break;
    case SortKey::SatelliteAndFrequency: {
      std::vector<std::tuple<std::uint32_t, std::uint32_t, std::uint32_t>> keys;
      keys.reserve(entries.size());
      for (std::uint16_t p : entries) keys.push_back(PlaceOf(db, p));
      entries = SortedBy(entries, keys);
      break;
    }
    case SortKey::ServiceId: {
      std::vector<std::uint32_t> keys;
      keys.reserve(entries.size());
      for (std::uint16_t p : entries)
        keys.push_back(p < ChannelDatabase::kProgramCount ? db.programs[p].ServiceId() : kLast);
      entries = SortedBy(entries, keys);
      break;
    }
    case SortKey::Reverse: std::reverse(entries.begin(), entries.end()); break;
  }
  return SetOrderEntries(db, order, entries);
}

}  // namespace dbops
