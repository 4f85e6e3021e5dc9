#pragma once
// The order Tab walks through a page's controls, given once as a list rather than left
// to the order the controls happened to be made in.
#include <QWidget>
#include <initializer_list>

inline void SetTabOrder(std::initializer_list<QWidget*> controls) {
  QWidget* previous = nullptr;
  for (QWidget* control : controls) {
    if (previous) QWidget::setTabOrder(previous, control);
    previous = control;
  }
}
