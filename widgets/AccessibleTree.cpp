#include "widgets/AccessibleTree.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QVariant>

namespace {

constexpr const char* kMenusProperty = "quelmarAccessibleMenus";

// A drop-down list named by its label (its accessible name), or by the row it shows when
// it has none; its value is that row, and its one child the list of rows, as Qt's own
// drop-down list has.
class LabelledComboAccessible : public QAccessibleWidget {
 public:
  explicit LabelledComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

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

 private:
  QComboBox* Combo() const { return static_cast<QComboBox*>(object()); }
  QString Value() const { return Combo()->currentText(); }
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
