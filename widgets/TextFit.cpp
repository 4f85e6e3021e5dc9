#include "widgets/TextFit.h"

#include <QEvent>
#include <QPushButton>
#include <QStyle>

namespace TextFit {

bool ButtonGrowth::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show) {
    if (auto* button = qobject_cast<QPushButton*>(watched); button && !button->text().isEmpty()) {
      QString text = button->text();
      text.remove(QLatin1Char('&'));
      const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
      const int needed = button->fontMetrics().horizontalAdvance(text) + 2 * margin;
      // Buttons in layouts are sized by their layout; only placed ones are grown here.
      if (needed > button->width() && !button->parentWidget()->layout()) {
        const int more = needed - button->width();
        button->setGeometry(button->x() - more / 2, button->y(), needed, button->height());
      }
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace TextFit
