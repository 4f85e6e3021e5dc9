#include "widgets/ColumnShares.h"

#include <QEvent>
#include <QHeaderView>
#include <QTreeView>

ColumnShares::ColumnShares(QTreeView* list, Rule rule) : QObject(list), list_(list), rule_(std::move(rule)) {
  list->installEventFilter(this);
  connect(list->header(), &QHeaderView::sectionResized, this, [this] {
    if (!applying_) userSized_ = true;
  });
}

void ColumnShares::Apply() {
  if (userSized_) return;
  applying_ = true;
  const std::vector<int> widths = rule_(list_->width() - 2 * list_->frameWidth());
  for (int c = 0; c < int(widths.size()); ++c) list_->setColumnWidth(c, widths[std::size_t(c)]);
  applying_ = false;
}

bool ColumnShares::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::Resize) Apply();
  return QObject::eventFilter(watched, event);
}
