#include "ui/channels/RowMoves.h"

#include <QKeyEvent>
#include <algorithm>

#include "ui/channels/CMoveToDlg.h"
#include "widgets/Prompt.h"

RowMove RowMoveOfKey(const QKeyEvent& event) {
  // Alt moves: Ctrl with the arrows, Home and End navigates, as in every other list.
  if (event.modifiers() == Qt::ControlModifier || event.modifiers() == (Qt::ControlModifier | Qt::KeypadModifier)) {
    switch (event.key()) {
      case Qt::Key_M: return RowMove::To;
      case Qt::Key_Return:
      case Qt::Key_Enter: return RowMove::Next;
      default: return RowMove::None;
    }
  }
  if (event.modifiers() != Qt::AltModifier) return RowMove::None;
  switch (event.key()) {
    case Qt::Key_Up: return RowMove::Up;
    case Qt::Key_Down: return RowMove::Down;
    case Qt::Key_Home: return RowMove::Top;
    case Qt::Key_End: return RowMove::Bottom;
    default: return RowMove::None;
  }
}

std::vector<int> RowMoves::Move(RowMove move, dbops::ChannelOrder order, std::span<const int> rows, int place,
                                DocEditing::Action action) {
  const int count = static_cast<int>(dbops::OrderEntries(doc_.Working(), order).size());
  std::vector<int> given;
  for (int r : rows)
    if (r >= 0 && r < count) given.push_back(r);
  std::sort(given.begin(), given.end());
  given.erase(std::unique(given.begin(), given.end()), given.end());
  if (given.empty()) return {};
  const int k = static_cast<int>(given.size());
  // A block already where it would go is left alone: no edit, nothing to undo.
  const bool adjacent = given.back() - given.front() == k - 1;
  if ((move == RowMove::Up && given.front() == 0) || (move == RowMove::Down && given.back() == count - 1) ||
      (move == RowMove::Top && adjacent && given.front() == 0) ||
      (move == RowMove::Bottom && adjacent && given.back() == count - 1))
    return {};

  const auto by = [&](int step) { return doc_.Apply(std::move(action), dbops::MoveRowsBy, order, given, step); };
  const auto to = [&](int first) { return doc_.Apply(std::move(action), dbops::MoveRowsTo, order, given, first); };
  switch (move) {
    case RowMove::None: return {};
    case RowMove::Up: return by(-1);
    case RowMove::Down: return by(1);
    case RowMove::Top: return to(0);
    case RowMove::Bottom: return to(count);
    case RowMove::Next: return to(std::clamp(place, 0, count - k));
    case RowMove::To: {
      CMoveToDlg dlg(count, given.front() + 1, &dialogParent_);
      if (Prompt::Exec(dlg) != QDialog::Accepted) return {};
      const int first = std::clamp(dlg.Number() - 1, 0, count - k);
      if (adjacent && given.front() == first) return {};
      return to(first);
    }
  }
  return {};
}
