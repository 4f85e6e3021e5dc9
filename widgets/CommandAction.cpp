#include "widgets/CommandAction.h"

#include <QAction>
#include <QMenu>

#include "widgets/Texts.h"

namespace CommandAction {

QAction* Make(QObject& owner, const char* name, const QString& text, std::function<void()> run,
              const QString& prompt) {
  auto* action = new QAction(text, &owner);
  action->setObjectName(QString::fromLatin1(name));
  action->setStatusTip(prompt);
  QObject::connect(action, &QAction::triggered, &owner, [run = std::move(run)] { run(); });
  return action;
}

QMenu* Menu(QWidget& owner, const char* name, const QList<QAction*>& items) {
  auto* menu = new QMenu(Texts::Q(name), &owner);
  menu->setObjectName(QString::fromLatin1(name));
  menu->setAccessibleName(Texts::Q(name));
  AddItems(*menu, items);
  return menu;
}

void AddItems(QMenu& menu, const QList<QAction*>& items) {
  for (QAction* item : items) {
    if (item) {
      menu.addAction(item);
    } else {
      menu.addSeparator();
    }
  }
}

}  // namespace CommandAction
