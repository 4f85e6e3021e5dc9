#pragma once
// The receiver's dialog templates give their sizes in dialog units of the dialog font;
// these convert them to pixels with that font's metrics (x * averageCharWidth / 4,
// y * height / 8). A template's size is how large a dialog or page likes to be: its
// layouts decide where the controls go, and may need more room than the template in a
// language with longer words or at a larger scale.
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

// The template's size in pixels of `widget`'s font, or what its layout needs when that
// is more.
QSize Preferred(const QWidget& widget, int width, int height);

// Gives a dialog or page its preferred size; `fixed` keeps a dialog there, as one of a
// few fields has nothing to gain from growing.
void SizeTo(QWidget* widget, int width, int height, bool fixed = false);

}  // namespace DialogUnits
