#pragma once
// The commands of the "Group/Channel" page. The page makes and runs them, the lists'
// Insert and Delete keys and their context menu trigger them, and the main frame may
// show them anywhere else. Arranging acts on the list the user last worked in.
class QAction;
class QMenu;

struct GroupChActions {
  QAction* addProgram = nullptr;
  QAction* deleteProgram = nullptr;
  QAction* moveTo = nullptr;
  QAction* moveUp = nullptr;
  QAction* moveDown = nullptr;
  QAction* moveToTop = nullptr;
  QAction* moveToBottom = nullptr;
  QAction* placeNext = nullptr;
  QAction* setNextPlace = nullptr;
  QAction* sortByName = nullptr;
  QAction* sortBySatellite = nullptr;
  QAction* sortByServiceId = nullptr;
  QAction* reverseOrder = nullptr;
  QAction* lock = nullptr;
  QAction* unlock = nullptr;
  QAction* copyRows = nullptr;
  // Both lists' context menu, the sorts in its "Sort" submenu.
  QMenu* popMenu = nullptr;
};
