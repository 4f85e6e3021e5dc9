#pragma once
// The receiver's dialog templates give their sizes in dialog units of the dialog font;
// these convert them to pixels with that font's metrics (x * averageCharWidth / 4,
// y * height / 8). A template's size is how large a dialog or page likes to be: its
// layouts decide where the controls go, and may need more room than the template in a
// language with longer words or at a larger scale.
#include <QFont>
#include <QSize>

class QWidget;

namespace DialogUnits {

// "Microsoft Sans Serif" at 10 points; fontconfig picks the nearest family installed.
QFont DialogFont();

QSize ToPixels(const QFont& font, int width, int height);

// The template's size in pixels of `widget`'s font, or what its layout needs when that
// is more.
QSize Preferred(const QWidget& widget, int width, int height);

// Gives a dialog whose layout is built its preferred size; `fixed` keeps it there, as a
// dialog of a few fields has nothing to gain from growing.
void SizeTo(QWidget* dialog, int width, int height, bool fixed = false);

}  // namespace DialogUnits
