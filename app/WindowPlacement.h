#pragma once
// Where the main window was when the program last ended: its size and position (as they
// were before any maximising), whether it was maximised, and which page of the sheet was
// in front. Kept in the same per-user settings store as the recent-file list.
#include <QByteArray>
#include <QMargins>
#include <QRect>
#include <QSize>

struct WindowPlacement {
  QRect geometry;  // the window's area without its frame, in screen coordinates; empty: none kept
  bool maximized = false;
  int page = -1;  // tab of the sheet; -1: none kept
  // The columns of the TV/Radio list and the favourite list: shown, hidden, widths.
  QByteArray serviceColumns;
  QByteArray groupColumns;

  static WindowPlacement Load();
  void Save() const;

  // The kept place on the screen attached now that it overlaps most, made at least
  // `minimum` large (as that screen allows) and moved and cut so that the window, with
  // its `frame` around it, lies whole within the screen's free area. Empty when none
  // was kept or it overlaps no screen attached now (the screen it was on is gone).
  QRect OnScreen(const QSize& minimum, const QMargins& frame) const;
};
