#include "widgets/ColumnsFollowWidth.h"

#include <QEvent>
#include <QHeaderView>
#include <QTreeView>
#include <cmath>

ColumnsFollowWidth::ColumnsFollowWidth(QTreeView* list) : QObject(list), list_(list), width_(list->width()) {
  list->installEventFilter(this);
}

bool ColumnsFollowWidth::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::Resize) Follow();
  return QObject::eventFilter(watched, event);
}

void ColumnsFollowWidth::Follow() {
  // The width is compared with the last one seen here, not with the event's old size:
  // a list on a hidden page gets its pending resize without one.
  const int change = list_->width() - width_;
  width_ = list_->width();
  QHeaderView* header = list_->header();
  const int columns = header->count();
  if (change == 0 || columns == 0) return;
  int total = 0;
  for (int c = 0; c < columns; ++c) total += header->sectionSize(c);
  // The last column takes what rounding leaves, so the columns change by the list's change.
  int given = 0;
  for (int c = 0; c + 1 < columns; ++c) {
    const int share = total > 0 ? int(std::lround(double(change) * header->sectionSize(c) / total)) : 0;
    header->resizeSection(c, header->sectionSize(c) + share);
    given += share;
  }
  header->resizeSection(columns - 1, header->sectionSize(columns - 1) + change - given);
}
