#pragma once
// Moving the selected rows of the TV/Radio list or the favourite list: Alt+Up
// and Alt+Down one place, Alt+Home and Alt+End to the top and the bottom,
// and "Move To…" (Ctrl+M) to a channel number the user gives. Each move is one
// action on the document.
#include <span>
#include <vector>

#include "db/document/DocEditing.h"
#include "db/operations/ChannelOrder.h"

class QKeyEvent;
class QWidget;

// Next: "Place Next" (Ctrl+Enter), to the place the user is filling the list from.
enum class RowMove { None, Up, Down, Top, Bottom, To, Next };

// The move a key asks for; None for every other key.
RowMove RowMoveOfKey(const QKeyEvent& event);

class RowMoves {
 public:
  // `dialogParent` owns the "Move To" dialog.
  RowMoves(DocEditing& doc, QWidget& dialogParent) : doc_(doc), dialogParent_(dialogParent) {}

  // Moves `rows` of `order` as `action`; returns their new positions, ascending, or
  // an empty vector when nothing moved (no row, an end reached, the dialog
  // cancelled).
  // `place` is where Next puts them (counted from 0).
  std::vector<int> Move(RowMove move, dbops::ChannelOrder order, std::span<const int> rows, int place,
                        DocEditing::Action action);

 private:
  DocEditing& doc_;
  QWidget& dialogParent_;
};
