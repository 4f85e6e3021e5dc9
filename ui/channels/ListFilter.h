#pragma once
// The search field and the two filters above a list of the "Group/Channel" page.
// Typing narrows the list to the rows whose program name contains the text (ignoring
// case), or whose channel number or service ID equals it; Escape clears the field. The
// satellite filter keeps the programs of one satellite, the program filter the locked,
// the unlocked or the "New" ones; all three narrow together. Rows are hidden, not
// removed, so each row keeps its real channel number and position.
#include <QObject>
#include <QString>
#include <functional>

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
  // What the criteria compare for one row.
  struct RowKeys {
    QString name;
    int serviceId = -1;
    int satellite = -1;
    bool locked = false;
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

  // Ctrl+Enter in the field runs `place`.
  void OnPlace(std::function<void()> place) { place_ = std::move(place); }

  // Whether a row with these keys at this position (counted from 0) passes.
  static bool Matches(const Criteria& criteria, int row, const RowKeys& keys);

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
  Criteria applied_;
};
