#include "widgets/DialogUnits.h"

#include <QFontMetrics>
#include <QLayout>
#include <QWidget>

namespace DialogUnits {
namespace {

struct Base {
  int x;
  int y;
};

Base BaseUnits(const QFont& font) {
  QFontMetrics fm(font);
  // Average width as the Windows dialog manager measures it: over the 52 letters.
  const int letters = fm.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {(letters / 26 + 1) / 2, fm.height()};
}

}  // namespace

QFont DialogFont() {
  QFont f(QStringLiteral("Microsoft Sans Serif"), 10);
  f.setStyleHint(QFont::SansSerif);
  return f;
}

QSize ToPixels(const QFont& font, int width, int height) {
  Base b = BaseUnits(font);
  return {width * b.x / 4, height * b.y / 8};
}

QSize Preferred(const QWidget& widget, int width, int height) {
  const QSize planned = ToPixels(widget.font(), width, height);
  const QLayout* layout = widget.layout();
  return layout ? planned.expandedTo(layout->totalSizeHint()) : planned;
}

void SizeTo(QWidget* dialog, int width, int height, bool fixed) {
  const QSize size = Preferred(*dialog, width, height);
  if (fixed) {
    dialog->setFixedSize(size);
  } else {
    dialog->resize(size);
  }
}

}  // namespace DialogUnits
