#pragma once
// What the "Group/Channel" page remembers between refreshes: the row-to-slot maps of its
// lists and combo, the remembered rows, and the Info area's values. Nothing here is
// stored; it is all rebuilt from the database.
#include <QString>
#include <array>
#include <cstdint>

#include "ui/channels/ProgramFieldControls.h"

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
  bool infoValid = false;
  // The program slot the Info area shows.
  int infoProgram = -1;

  ProgramFieldControls::Values info;
  QString infoSatellite;

  // The slot of the current group, -1 while the combo is empty.
  int CurrentGroup() const {
    return currentGroupRow >= 0 && currentGroupRow < groupComboRows
               ? groupMap[std::size_t(currentGroupRow)]
               : -1;
  }
};
