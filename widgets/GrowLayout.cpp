#include "widgets/GrowLayout.h"

#include <QEvent>
#include <QWidget>
#include <cmath>

namespace {

int Share(int extra, double share) { return static_cast<int>(std::lround(extra * share)); }

}  // namespace

GrowLayout::GrowLayout(QWidget* page) : QObject(page), page_(page), built_(page->size()) {
  page->installEventFilter(this);
}

void GrowLayout::Add(QWidget* control, Growth growth) {
  if (!control || Has(control)) return;
  items_.push_back({control, control->geometry(), growth});
}

void GrowLayout::AddWithin(QWidget* box, Growth growth) {
  if (!box) return;
  Add(box, growth);
  const QRect area = box->geometry();
  for (QObject* child : box->parentWidget()->children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (w && w != box && !w->isWindow() && area.contains(w->geometry())) Add(w, growth);
  }
}

QSize GrowLayout::Extra() const {
  return {std::max(0, page_->width() - built_.width()), std::max(0, page_->height() - built_.height())};
}

bool GrowLayout::Has(const QWidget* control) const {
  for (const Item& item : items_)
    if (item.control == control) return true;
  return false;
}

bool GrowLayout::eventFilter(QObject* watched, QEvent* event) {
  if (watched == page_ && event->type() == QEvent::Resize) Apply();
  return QObject::eventFilter(watched, event);
}

void GrowLayout::Apply() {
  const QSize extra = Extra();
  for (const Item& item : items_) {
    if (!item.control) continue;
    const Growth& g = item.growth;
    const int left = item.placed.left() + Share(extra.width(), g.x);
    const int top = item.placed.top() + Share(extra.height(), g.y);
    // The far edges are shared out on their own, so two controls that met at the built
    // size still meet, whatever the rounding.
    const int right = item.placed.left() + item.placed.width() + Share(extra.width(), g.x + g.width);
    const int bottom = item.placed.top() + item.placed.height() + Share(extra.height(), g.y + g.height);
    item.control->setGeometry(left, top, right - left, bottom - top);
  }
}
