#pragma once
// The search field and the two filters above a list of the "Group/Channel" page.
// Typing narrows the list to the rows each of whose words the program's name,
// satellite, transponder or service ID matches (db/operations/ChannelSearch.h); Escape
// clears the field and Down moves into the first row shown. The satellite filter keeps
// the programs of one satellite, the program filter the locked, the unlocked or the
// "New" ones; all three narrow together. Rows are hidden, not removed, so each row
// keeps its real channel number and position.
#include <QObject>
#include <QString>
#include <functional>

#include "db/operations/ChannelSearch.h"

class GroupChListView;
class QComboBox;
class QLineEdit;

class ListFilter : public QObject {
 public:
  enum class State { All, Locked, Unlocked, New };
  // What the list is narrowed by.
  struct Criteria {
    QString text;        // trimmed
    int satellite = -1;  // satellite slot; -1 every satellite
    State state = State::All;
    bool Narrows() const { return !text.isEmpty() || satellite >= 0 || state != State::All; }
  };
  // What the criteria compare for one row: the row as the list shows it.
  struct RowKeys {
    const channelrows::Row* row = nullptr;
    bool isNew = false;
  };
  using KeysOfRow = std::function<RowKeys(int row)>;

  ListFilter(QLineEdit& field, QComboBox& satellites, QComboBox& states, GroupChListView& list, KeysOfRow keys);

  // True while the field holds text or a filter narrows, whether or not it hides any row.
  bool Active() const;
  Criteria Current() const;
  // Shows and hides the rows for the criteria; after every refill of the list.
  void Apply();
  // Asked with the new criteria before they are applied; false puts the old ones back.
  void SetGuard(std::function<bool(const Criteria& next)> guard) { guard_ = std::move(guard); }
  // Lists "All satellites" and then these satellites (slot, name), keeping the one
  // chosen when it is still listed.
  void SetSatellites(const std::vector<std::pair<int, QString>>& satellites);

  // Ctrl+Enter in the field runs `place`; Ctrl+L and Ctrl+Shift+L run `lock` with true
  // and false.
  void OnPlace(std::function<void()> place) { place_ = std::move(place); }
  void OnLock(std::function<void(bool locked)> lock) { lock_ = std::move(lock); }

  // The search words of the criteria's text.
  static channelsearch::Query QueryOf(const Criteria& criteria);
  // Whether a row with these keys passes.
  static bool Matches(const Criteria& criteria, const channelsearch::Query& query, const RowKeys& keys);
  static bool Matches(const Criteria& criteria, const RowKeys& keys) {
    return Matches(criteria, QueryOf(criteria), keys);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A control changed: asks the guard, then applies or puts the control back.
  void Changed();

  QLineEdit& field_;
  QComboBox& satellites_;
  QComboBox& states_;
  GroupChListView& list_;
  KeysOfRow keys_;
  std::function<bool(const Criteria&)> guard_;
  std::function<void()> place_;
  std::function<void(bool)> lock_;
  Criteria applied_;
};
