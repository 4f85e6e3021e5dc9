#pragma once
// A read-only view of what the "Group/Channel" page shows, for the window's record
// locator, tests and benchmarks: the row-to-slot maps of its lists and combo, the
// remembered rows and the active list. The panels own these; the view only refers to
// them, so it lives no longer than the page.
#include <array>
#include <cstddef>

#include "db/records/TableAt.h"

enum class ServiceKind : int { Tv = 0, Radio = 1 };
enum class ActiveList : int { Services = 0, Favorites = 1 };

struct GroupChPageState {
  static constexpr int kMaxRows = 4000;
  static constexpr int kGroupSlots = 8;
  using Rows = std::array<int, kMaxRows>;

  const Rows& serviceRows;
  const int& serviceRowCount;
  const Rows& groupRows;
  const int& groupRowCount;
  const std::array<int, kGroupSlots>& groupMap;
  const int& groupComboRows;
  const int& currentGroupRow;
  const int& serviceSelection;
  const int& groupSelection;
  ActiveList activeList;

  // The slot of the current group, -1 while the combo is empty.
  int CurrentGroup() const {
    return ValueAt(groupMap, currentGroupRow, -1, groupComboRows);
  }
};
