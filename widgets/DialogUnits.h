#pragma once
// Dialog layouts are given in dialog units of the dialog font; these convert them to
// pixels with that font's metrics (x * averageCharWidth / 4, y * height / 8).
#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

namespace DialogUnits {

// "Microsoft Sans Serif" at 10 points; fontconfig picks the nearest family installed.
QFont DialogFont();

QSize ToPixels(const QFont& font, int width, int height);
QRect ToPixels(const QFont& font, int x, int y, int width, int height);

// Places a child at a rectangle given in dialog units of its parent's font.
void Place(QWidget* child, int x, int y, int width, int height);

// Sizes a dialog or page to a template size in dialog units of its own font.
void SizeTo(QWidget* widget, int width, int height);

}  // namespace DialogUnits
