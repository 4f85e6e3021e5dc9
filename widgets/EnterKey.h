#pragma once
// Enter (or Return) in any of a box's fields acts as the box's button does.
#include <QObject>
#include <functional>
#include <initializer_list>

class QWidget;

class EnterKey : public QObject {
 public:
  // Watches `fields`; `act` runs on Enter in any of them. Owned by `owner`.
  static void Attach(QObject* owner, std::initializer_list<QWidget*> fields, std::function<void()> act);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  EnterKey(QObject* owner, std::function<void()> act) : QObject(owner), act_(std::move(act)) {}
  std::function<void()> act_;
};
