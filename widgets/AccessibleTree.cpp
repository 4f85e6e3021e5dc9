#include "widgets/AccessibleTree.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QVariant>
#include <algorithm>

namespace {

constexpr const char* kMenusProperty = "quelmarAccessibleMenus";

// A drop-down list named by its label (its accessible name), or by the row it shows when
// it has none; its value and its text are that row, as Qt's own drop-down list gives
// them when nothing overrides it, so a screen reader reads "LNB Type" and "Universal"
// without opening the list. Its one child is the list of rows, as Qt's own has.
class LabelledComboAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit LabelledComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return Combo()->accessibleName().isEmpty() ? Value() : Combo()->accessibleName();
    if (t == QAccessible::Value) return Value();
    return QAccessibleWidget::text(t);
  }
  // The list of rows, and the text field of a list that takes typed entries.
  int childCount() const override { return Combo()->lineEdit() ? 2 : 1; }
  QAccessibleInterface* child(int index) const override {
    if (index == 0) return QAccessible::queryAccessibleInterface(Combo()->view());
    if (index == 1 && Combo()->lineEdit()) return QAccessible::queryAccessibleInterface(Combo()->lineEdit());
    return nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child) return -1;
    if (child->object() == Combo()->view()) return 0;
    if (Combo()->lineEdit() && child->object() == Combo()->lineEdit()) return 1;
    return -1;
  }
  QStringList actionNames() const override {
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action != showMenuAction() && action != pressAction()) {
      QAccessibleWidget::doAction(action);
      return;
    }
    if (Combo()->view()->isVisible())
      Combo()->hidePopup();
    else
      Combo()->showPopup();
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  // The text: the row shown, read-only, with no caret or selection of its own.
  QString text(int startOffset, int endOffset) const override {
    const QString value = Value();
    if (endOffset < 0 || endOffset > value.size()) endOffset = int(value.size());
    startOffset = std::clamp(startOffset, 0, endOffset);
    return value.mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return int(Value().size()); }
  void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
  }

 private:
  QComboBox* Combo() const { return static_cast<QComboBox*>(object()); }
  QString Value() const { return Combo()->lineEdit() ? Combo()->lineEdit()->text() : Combo()->currentText(); }
};

QList<QMenu*> MenusOf(const QObject* owner) {
  QList<QMenu*> menus;
  for (QObject* o : owner->property(kMenusProperty).value<QObjectList>())
    if (auto* m = qobject_cast<QMenu*>(o)) menus << m;
  return menus;
}

// A window with its context menus after its own children.
class MenuOwnerAccessible : public QAccessibleWidget {
 public:
  explicit MenuOwnerAccessible(QWidget* owner)
      : QAccessibleWidget(owner, owner->isWindow() ? QAccessible::Window : QAccessible::Client) {}

  int childCount() const override { return QAccessibleWidget::childCount() + int(MenusOf(object()).size()); }
  QAccessibleInterface* child(int index) const override {
    const int own = QAccessibleWidget::childCount();
    if (index < own) return QAccessibleWidget::child(index);
    const QList<QMenu*> menus = MenusOf(object());
    return index - own < menus.size() ? QAccessible::queryAccessibleInterface(menus[index - own]) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child) return -1;
    const int i = int(MenusOf(object()).indexOf(qobject_cast<QMenu*>(child->object())));
    return i >= 0 ? QAccessibleWidget::childCount() + i : QAccessibleWidget::indexOfChild(child);
  }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  // Asked once per class from the most derived one down; answer on the first.
  if (className != QLatin1String(object->metaObject()->className())) return nullptr;
  if (object->property(kMenusProperty).isValid()) return new MenuOwnerAccessible(static_cast<QWidget*>(object));
  // Asked for as soon as the list is made, before its label is given and before it may
  // be made to take typed entries: both are looked up each time they are read.
  if (auto* combo = qobject_cast<QComboBox*>(object)) return new LabelledComboAccessible(combo);
  return nullptr;
}

}  // namespace

namespace AccessibleTree {

void Install() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(Factory);
}

void ListMenus(QWidget& owner, const QList<QMenu*>& menus) {
  QObjectList objects;
  for (QMenu* m : menus) objects << m;
  owner.setProperty(kMenusProperty, QVariant::fromValue(objects));
}

}  // namespace AccessibleTree
