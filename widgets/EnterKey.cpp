#include "widgets/EnterKey.h"

#include <QKeyEvent>
#include <QWidget>

void EnterKey::Attach(QObject* owner, std::initializer_list<QWidget*> fields, std::function<void()> act) {
  auto* filter = new EnterKey(owner, std::move(act));
  for (QWidget* field : fields) field->installEventFilter(filter);
}

bool EnterKey::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
  if (key->modifiers() & ~Qt::KeypadModifier) return false;
  act_();
  return true;
}
