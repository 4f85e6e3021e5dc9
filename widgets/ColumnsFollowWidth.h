#pragma once
// A list with columns whose widths were set for the list's width: when the list grows or
// shrinks, the change is shared among its columns in proportion to their widths, so the
// columns keep filling the list. At the width it has now nothing changes.
#include <QObject>

class QTreeView;

class ColumnsFollowWidth : public QObject {
 public:
  explicit ColumnsFollowWidth(QTreeView* list);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Follow();

  QTreeView* list_;
  int width_;  // the width the columns were last shared for
};
