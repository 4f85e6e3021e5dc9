#pragma once
// The commands of the "Satellite/Transponder" page. The page makes and runs them, its
// lists' keys, double click and context menus trigger them, and the main frame may show
// them anywhere else.
class QAction;
class QMenu;

struct SatTPActions {
  QAction* addSatellite = nullptr;
  QAction* deleteSatellite = nullptr;
  QAction* addTransponder = nullptr;
  QAction* deleteTransponder = nullptr;
  QAction* editTransponder = nullptr;
  // The satellite list's and the transponder list's context menus.
  QMenu* satMenu = nullptr;
  QMenu* tpMenu = nullptr;
};
