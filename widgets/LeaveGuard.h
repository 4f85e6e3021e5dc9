#pragma once
// Asks before a click or a key takes a list to another row: a page whose box below the
// list holds typed values gets the chance to apply, drop or keep them first. A refusal
// swallows the click or key, so the list stays on its row.
#include <QObject>
#include <functional>

class QAbstractItemView;

class LeaveGuard : public QObject {
 public:
  // `mayLeave(row)` is asked before a press on a row (its number) and before a key that
  // may move (-1); false keeps the list where it is. Owned by the list.
  static void Attach(QAbstractItemView* list, std::function<bool(int row)> mayLeave);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  LeaveGuard(QAbstractItemView* list, std::function<bool(int)> mayLeave);
  QAbstractItemView* list_;
  // Taken when attached: the filter also sees events while the list is being destroyed,
  // when its viewport may no longer be asked for.
  QObject* viewport_ = nullptr;
  std::function<bool(int)> mayLeave_;
};
