#pragma once
// What a screen reader finds in the window beyond Qt's own answers. Qt on Linux names a
// drop-down list after its current row ("Universal", "TV"); ours are named after their
// labels ("LNB Type", "Type"), as every other control is, and give the row as their value
// and text. And a popup menu is no child
// of any window in Qt's tree, so the lists' context menus could not be reached; a window
// may list its context menus as children, where their items can be read and pressed.
#include <QList>

class QMenu;
class QWidget;

namespace AccessibleTree {

// Takes effect for interfaces made afterwards; call it once the QApplication exists and
// before the first window is shown. Calling it again does nothing.
void Install();

// Lists `menus` in the accessibility tree as the last children of `owner`, whose
// children they are.
void ListMenus(QWidget& owner, const QList<QMenu*>& menus);

}  // namespace AccessibleTree
