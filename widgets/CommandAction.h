#pragma once
// A command of a menu, a list's context menu, a key or the toolbar, made by whoever
// carries it out: its text, a name that tools and tests find it by, and its status-bar
// prompt (none: the status pane shows "Ready" over it).
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace CommandAction {

QAction* Make(QObject& owner, const char* name, const QString& text, std::function<void()> run,
              const QString& prompt = QString());

// A context menu of `items` (null: a separator), named for a screen reader by `name`.
QMenu* Menu(QWidget& owner, const char* name, const QList<QAction*>& items);
// Adds the items to a menu in order; a null item is a separator.
void AddItems(QMenu& menu, const QList<QAction*>& items);

}  // namespace CommandAction
