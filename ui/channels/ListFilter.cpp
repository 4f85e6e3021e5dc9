#include "ui/channels/ListFilter.h"

#include <QComboBox>
#include <QItemSelection>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

#include "ui/channels/GroupChListView.h"
#include "ui/channels/GroupChTexts.h"
#include "widgets/Texts.h"

namespace T = GroupChTexts;
using Texts::Q;

ListFilter::ListFilter(QLineEdit& field, QComboBox& satellites, QComboBox& states, GroupChListView& list,
                       KeysOfRow keys)
    : QObject(&field), field_(field), satellites_(satellites), states_(states), list_(list), keys_(std::move(keys)) {
  field.setClearButtonEnabled(true);
  field.installEventFilter(this);
  // The program filter's rows in the order of State.
  states.addItems({Q(T::kAllPrograms), Q(T::kLockedOnly), Q(T::kUnlockedOnly), Q(T::kNewOnly)});
  SetSatellites({});
  connect(&field, &QLineEdit::textChanged, this, &ListFilter::Changed);
  connect(&satellites, &QComboBox::currentIndexChanged, this, &ListFilter::Changed);
  connect(&states, &QComboBox::currentIndexChanged, this, &ListFilter::Changed);
}

ListFilter::Criteria ListFilter::Current() const {
  Criteria c;
  c.text = field_.text().trimmed();
  c.satellite = satellites_.currentIndex() > 0 ? satellites_.currentData().toInt() : -1;
  c.state = states_.currentIndex() > 0 ? State(states_.currentIndex()) : State::All;
  return c;
}

bool ListFilter::Active() const { return Current().Narrows(); }

void ListFilter::Changed() {
  const Criteria next = Current();
  if (next.text == applied_.text && next.satellite == applied_.satellite && next.state == applied_.state) return;
  if (guard_ && !guard_(next)) {
    // The user kept the Info area's typed values: the controls show what still applies.
    const QSignalBlocker blockField(&field_);
    const QSignalBlocker blockSatellites(&satellites_);
    const QSignalBlocker blockStates(&states_);
    if (next.text != applied_.text) field_.setText(applied_.text);
    satellites_.setCurrentIndex(std::max(0, satellites_.findData(applied_.satellite)));
    states_.setCurrentIndex(int(applied_.state));
    return;
  }
  applied_ = next;
  Apply();
}

void ListFilter::SetSatellites(const std::vector<std::pair<int, QString>>& satellites) {
  const int chosen = satellites_.currentIndex() > 0 ? satellites_.currentData().toInt() : -1;
  const QSignalBlocker block(&satellites_);
  satellites_.clear();
  satellites_.addItem(Q(T::kAllSatellites), -1);
  for (const auto& [slot, name] : satellites) satellites_.addItem(name, slot);
  const int row = satellites_.findData(chosen);
  satellites_.setCurrentIndex(row < 0 ? 0 : row);
  // A satellite that went takes its filter with it.
  if (row < 0 && chosen >= 0) {
    applied_.satellite = -1;
    Apply();
  }
}

channelsearch::Query ListFilter::QueryOf(const Criteria& criteria) {
  return channelsearch::Query(criteria.text.toStdU32String());
}

bool ListFilter::Matches(const Criteria& criteria, const channelsearch::Query& query, const RowKeys& keys) {
  static const channelrows::Row kNoRow;
  const channelrows::Row& row = keys.row ? *keys.row : kNoRow;
  if (criteria.satellite >= 0 && row.satellite != criteria.satellite) return false;
  switch (criteria.state) {
    case State::Locked:
      if (!row.locked) return false;
      break;
    case State::Unlocked:
      if (row.locked) return false;
      break;
    case State::New:
      if (!keys.isNew) return false;
      break;
    case State::All:
      break;
  }
  return query.Matches(row);
}

void ListFilter::Apply() {
  const Criteria criteria = Current();
  const channelsearch::Query query = QueryOf(criteria);
  const bool narrows = criteria.Narrows();
  const int rows = list_.RowCount();
  // A hidden row leaves the selection, in one change: what is acted on is what is shown.
  QItemSelection leaving;
  list_.setUpdatesEnabled(false);
  for (int row = 0; row < rows; ++row) {
    const bool hide = narrows && !Matches(criteria, query, keys_(row));
    if (list_.isRowHidden(row) == hide) continue;
    list_.setRowHidden(row, hide);
    if (hide && list_.IsRowSelected(row)) {
      const QModelIndex first = list_.model()->index(row, 0);
      leaving.select(first, list_.model()->index(row, list_.model()->columnCount() - 1));
    }
  }
  list_.setUpdatesEnabled(true);
  if (!leaving.isEmpty()) list_.selectionModel()->select(leaving, QItemSelectionModel::Deselect);
  if (const int current = list_.CurrentRow(); current >= 0 && !list_.isRowHidden(current)) list_.ScrollToRow(current);
}

bool ListFilter::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &field_ || event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
  if (key->key() == Qt::Key_Escape && !field_.text().isEmpty()) {
    field_.clear();
    return true;
  }
  const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
  if (enter && modifiers == Qt::ControlModifier && place_) {
    place_();
    return true;
  }
  if (key->key() == Qt::Key_L && (modifiers & ~Qt::ShiftModifier) == Qt::ControlModifier && lock_) {
    lock_(!(modifiers & Qt::ShiftModifier));
    return true;
  }
  // Down goes on from the field into the rows it leaves shown, at the first of them.
  if (key->key() == Qt::Key_Down && modifiers == Qt::NoModifier) {
    for (int row = 0; row < list_.RowCount(); ++row) {
      if (list_.isRowHidden(row)) continue;
      list_.setFocus(Qt::TabFocusReason);
      list_.SetCurrentRow(row);
      return true;
    }
  }
  return false;
}
