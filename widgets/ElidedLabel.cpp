#include "widgets/ElidedLabel.h"

#include <QPainter>
#include <QStyle>

QSize ElidedLabel::minimumSizeHint() const { return {0, QLabel::minimumSizeHint().height()}; }

void ElidedLabel::paintEvent(QPaintEvent*) {
  const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
  const QString shown = fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width());
  // The text changes through QLabel::setText, which tells no one: the tip follows here.
  const QString tip = shown == text() ? QString() : text();
  if (toolTip() != tip) setToolTip(tip);
  QPainter painter(this);
  style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(), shown, foregroundRole());
}
