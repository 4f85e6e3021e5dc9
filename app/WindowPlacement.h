#pragma once
// Where the main window was when the program last ended: its size and position (as they
// were before any maximising), whether it was maximised, and which page of the sheet was
// in front. Kept in the same per-user settings store as the recent-file list.
#include <QByteArray>
#include <QRect>

struct WindowPlacement {
  QRect geometry;  // the window's area without its frame, in screen coordinates; empty: none kept
  bool maximized = false;
  int page = -1;  // tab of the sheet; -1: none kept
  // The columns of the TV/Radio list and the favourite list: shown, hidden, widths.
  QByteArray serviceColumns;
  QByteArray groupColumns;

  static WindowPlacement Load();
  void Save() const;

  // True when the window would lie whole on one of the screens now attached. A place
  // kept from a screen that is gone, or from a larger one, is not used.
  bool FitsAScreen() const;
};
