#pragma once
// Where the sheet sends the commands of its pages' keys and context menus: the main
// frame, which forwards the editing commands back to the page that handles them.
#include <QPoint>

#include "ui/PageHost.h"

class CommandTarget {
 public:
  virtual ~CommandTarget() = default;
  virtual void OnCommand(int commandId) = 0;
  virtual void PopupContextMenu(ContextMenu menu, const QPoint& globalPos) = 0;
};
