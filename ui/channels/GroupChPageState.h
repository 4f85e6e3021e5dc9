#pragma once
// What the "Group/Channel" page remembers between refreshes: the row-to-slot maps of its
// lists and combo and the remembered rows; the Info area keeps its own. Nothing here is
// stored; it is all rebuilt from the database.
#include <array>
#include <cstdint>

enum class ServiceKind : int { Tv = 0, Radio = 1 };
enum class ActiveList : int { Services = 0, Favorites = 1 };

struct GroupChPageState {
  static constexpr int kMaxRows = 4000;
  static constexpr int kGroupSlots = 8;

  std::array<int, kMaxRows> serviceRows{};
  int serviceRowCount = 0;
  std::array<int, kMaxRows> groupRows{};
  int groupRowCount = 0;
  std::array<int, kGroupSlots> groupMap{};
  int groupComboRows = 0;
  int currentGroupRow = 0;
  int serviceSelection = 0;
  int groupSelection = 0;
  ActiveList activeList = ActiveList::Services;

  // The slot of the current group, -1 while the combo is empty.
  int CurrentGroup() const {
    return currentGroupRow >= 0 && currentGroupRow < groupComboRows
               ? groupMap[std::size_t(currentGroupRow)]
               : -1;
  }
};
