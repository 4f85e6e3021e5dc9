#pragma once
// Controls made on a dialog or page and placed in dialog units, with the object name
// that tests and outside tools find them by.
#include <QString>
#include <QWidget>

#include "widgets/DialogUnits.h"
#include "widgets/Texts.h"

// A control without a text of its own takes the accessible name given: the label a
// sighted user reads beside it.
template <typename W>
W* PlacedControl(QWidget* parent, const char* objectName, const char* accessibleName, int x, int y, int w,
                 int h) {
  auto* c = new W(parent);
  c->setObjectName(QString::fromLatin1(objectName));
  if (accessibleName) c->setAccessibleName(Texts::Q(accessibleName));
  DialogUnits::Place(c, x, y, w, h);
  return c;
}

// A button, check box or group box: its text is also its accessible name.
template <typename W>
W* PlacedTextControl(QWidget* parent, const char* text, const char* objectName, int x, int y, int w, int h) {
  auto* c = new W(Texts::Q(text), parent);
  c->setObjectName(QString::fromLatin1(objectName));
  c->setAccessibleName(Texts::Q(text));
  DialogUnits::Place(c, x, y, w, h);
  return c;
}
