#include "db/operations/ChannelOrder.h"

#include <algorithm>

namespace dbops {
namespace {

const FavoriteGroupRecord* UsedGroup(const ChannelDatabase& db, int group) {
  if (group < 0 || group >= static_cast<int>(ChannelListBlock::kGroupCount)) return nullptr;
  const FavoriteGroupRecord& g = db.channelLists.favoriteGroups[static_cast<std::size_t>(group)];
  return g.IsUsed() ? &g : nullptr;
}

// The valid rows, ascending and once each.
std::vector<int> ValidRows(std::span<const int> rows, int count) {
  std::vector<int> out;
  out.reserve(rows.size());
  for (int r : rows)
    if (r >= 0 && r < count) out.push_back(r);
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

// Puts the rows `moved` (ascending) at `target` (ascending, same size) and the
// other entries into the remaining places in their order.
std::vector<std::uint16_t> Rearranged(const std::vector<std::uint16_t>& entries, const std::vector<int>& moved,
                                      const std::vector<int>& target) {
  const std::size_t n = entries.size();
  std::vector<std::uint16_t> out(n);
  std::vector<char> taken(n, 0), isMoved(n, 0);
  for (std::size_t i = 0; i < moved.size(); ++i) {
    out[static_cast<std::size_t>(target[i])] = entries[static_cast<std::size_t>(moved[i])];
    taken[static_cast<std::size_t>(target[i])] = 1;
    isMoved[static_cast<std::size_t>(moved[i])] = 1;
  }
  std::size_t to = 0;
  for (std::size_t from = 0; from < n; ++from) {
    if (isMoved[from]) continue;
    while (taken[to]) ++to;
    out[to++] = entries[from];
  }
  return out;
}

std::vector<int> Apply(ChannelDatabase& db, ChannelOrder order, const std::vector<std::uint16_t>& entries,
                       const std::vector<int>& moved, std::vector<int> target) {
  if (moved.empty()) return {};
  SetOrderEntries(db, order, Rearranged(entries, moved, target));
  return target;
}

}  // namespace

bool OrderExists(const ChannelDatabase& db, ChannelOrder order) {
  return db.channelLists.List(order.list) != nullptr || UsedGroup(db, order.group) != nullptr;
}

std::vector<std::uint16_t> OrderEntries(const ChannelDatabase& db, ChannelOrder order) {
  std::vector<std::uint16_t> out;
  if (const ServiceList* l = db.channelLists.List(order.list)) {
    out.resize(l->ValidCount());
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = l->Entry(i);
  } else if (const FavoriteGroupRecord* g = UsedGroup(db, order.group)) {
    out.resize(g->ValidMemberCount());
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = g->Member(i);
  }
  return out;
}

bool SetOrderEntries(ChannelDatabase& db, ChannelOrder order, std::span<const std::uint16_t> entries) {
  if (ServiceList* l = db.channelLists.List(order.list)) {
    if (entries.size() != l->ValidCount()) return false;
    for (std::size_t i = 0; i < entries.size(); ++i) l->SetEntry(i, entries[i]);
    return true;
  }
  if (!UsedGroup(db, order.group)) return false;
  FavoriteGroupRecord& g = db.channelLists.favoriteGroups[static_cast<std::size_t>(order.group)];
  if (entries.size() != g.ValidMemberCount()) return false;
  for (std::size_t i = 0; i < entries.size(); ++i) g.SetMember(i, entries[i]);
  return true;
}

std::vector<int> MoveRowsTo(ChannelDatabase& db, ChannelOrder order, std::span<const int> rows, int position) {
  const std::vector<std::uint16_t> entries = OrderEntries(db, order);
  const int count = static_cast<int>(entries.size());
  const std::vector<int> moved = ValidRows(rows, count);
  const int k = static_cast<int>(moved.size());
  const int first = std::clamp(position, 0, count - k);
  std::vector<int> target(moved.size());
  for (int i = 0; i < k; ++i) target[static_cast<std::size_t>(i)] = first + i;
  return Apply(db, order, entries, moved, std::move(target));
}

std::vector<int> MoveRowsBy(ChannelDatabase& db, ChannelOrder order, std::span<const int> rows, int step) {
  const std::vector<std::uint16_t> entries = OrderEntries(db, order);
  const int count = static_cast<int>(entries.size());
  const std::vector<int> moved = ValidRows(rows, count);
  if (moved.empty()) return {};
  step = std::clamp(step, -moved.front(), count - 1 - moved.back());
  std::vector<int> target(moved);
  for (int& t : target) t += step;
  return Apply(db, order, entries, moved, std::move(target));
}

int BlockDropPosition(int count, std::span<const int> rows, int dropRow) {
  const std::vector<int> moved = ValidRows(rows, count);
  const int k = static_cast<int>(moved.size());
  if (dropRow < 0 || dropRow >= count) return count - k;
  const int movedBefore = static_cast<int>(std::lower_bound(moved.begin(), moved.end(), dropRow) - moved.begin());
  return dropRow - movedBefore;
}

}  // namespace dbops
