#pragma once
// What an editor page needs from the sheet that holds it: the main frame's context
// menus and command routing, and the DbType in force. A page never reaches the other
// page: what it changes reaches the other through the document's notices. CMainSheet
// implements it; page tests use a fake.
#include <QPoint>

enum class ContextMenu { SatMenu, TpMenu, PopMenu };

class PageHost {
 public:
  virtual ~PageHost() = default;
  // Opens one of the main frame's popup menus at a screen position; the chosen
  // command reaches the main frame, which forwards it back to the page.
  virtual void PopupContextMenu(ContextMenu menu, const QPoint& globalPos) = 0;
  // Sends a command to the main frame as a menu item would (Insert/Delete keys).
  virtual void SendCommand(int commandId) = 0;
  // The receiver variant in force (0-3); decides the PID width.
  virtual int DbType() const = 0;
};
