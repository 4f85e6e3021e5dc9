#pragma once
// A control with the label in front of it, both placed in dialog units. The label is
// the control's buddy and its accessible name, so a screen reader announces the field
// by the text a sighted user reads beside it.
#include <QLabel>
#include <QString>
#include <QWidget>

#include "widgets/DialogUnits.h"
#include "widgets/Texts.h"

template <typename W>
W* LabelledControl(QWidget* parent, const char* label, const char* objectName, int lx, int ly,
                   int lw, int x, int y, int w, int h) {
  auto* l = new QLabel(Texts::Q(label), parent);
  DialogUnits::Place(l, lx, ly, lw, 8);
  auto* c = new W(parent);
  c->setObjectName(QString::fromLatin1(objectName));
  c->setAccessibleName(Texts::Q(label));
  l->setBuddy(c);
  DialogUnits::Place(c, x, y, w, h);
  return c;
}

// A label for a control made elsewhere, placed in dialog units, 8 high; like the above
// it is the control's buddy and gives it its accessible name.
inline QLabel* AttachLabel(QWidget* parent, const char* text, QWidget* control, int x, int y, int w) {
  auto* l = new QLabel(Texts::Q(text), parent);
  l->setBuddy(control);
  control->setAccessibleName(Texts::Q(text));
  DialogUnits::Place(l, x, y, w, 8);
  return l;
}
