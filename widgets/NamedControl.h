#pragma once
// Controls made for a dialog's or page's layout, with the object name that tests find
// them by and the accessible name a screen reader announces. Where they go is the
// layout's business.
#include <QLabel>
#include <QString>
#include <QWidget>

#include "widgets/Texts.h"

// A control without a text of its own takes the accessible name given: the label a
// sighted user reads beside it.
template <typename W>
W* NamedControl(QWidget* parent, const char* objectName, const char* accessibleName = nullptr) {
  auto* c = new W(parent);
  c->setObjectName(QString::fromLatin1(objectName));
  if (accessibleName) c->setAccessibleName(Texts::Q(accessibleName));
  return c;
}

// A button, check box or group box: its text is also its accessible name.
template <typename W>
W* NamedTextControl(QWidget* parent, const char* text, const char* objectName) {
  auto* c = new W(Texts::Q(text), parent);
  c->setObjectName(QString::fromLatin1(objectName));
  c->setAccessibleName(Texts::Q(text));
  return c;
}

// The label in front of a control: its buddy, and the control's accessible name, so a
// screen reader announces the field by the text a sighted user reads beside it.
inline QLabel* BuddyLabel(QWidget* parent, const char* text, QWidget* control) {
  auto* l = new QLabel(Texts::Q(text), parent);
  l->setBuddy(control);
  control->setAccessibleName(Texts::Q(text));
  return l;
}
