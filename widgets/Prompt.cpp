#include "widgets/Prompt.h"

#include <QDialog>
#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <deque>

#include "widgets/Texts.h"

namespace Prompt {
namespace {

struct Script {
  bool scripted = false;
  std::deque<QMessageBox::StandardButton> answers;
  std::deque<std::function<int(QDialog&)>> dialogs;
  std::deque<QString> files;
  std::deque<QString> menuChoices;
  QStringList shown;
  QList<QPair<QString, QPoint>> menus;
  std::function<void(QMessageBox&)> inspect;
};

Script& script() {
  static Script s;
  return s;
}

QMessageBox::StandardButton escapeAnswer(QMessageBox::StandardButtons buttons) {
  if (buttons & QMessageBox::Cancel) return QMessageBox::Cancel;
  if (buttons & QMessageBox::No) return QMessageBox::No;
  return QMessageBox::Ok;
}

void Build(QMessageBox& box, QMessageBox::StandardButton defaultButton) {
  box.setObjectName(QStringLiteral("messageBox"));
  if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
}

}  // namespace

QMessageBox::StandardButton Message(QWidget* parent, const QString& text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::Icon icon,
                                    QMessageBox::StandardButton defaultButton) {
  Script& s = script();
  s.shown << text;
  if (s.scripted) {
    if (s.inspect) {
      QMessageBox box(icon, QString::fromLatin1(Texts::kAppTitle), text, buttons, parent);
      Build(box, defaultButton);
      box.show();
      s.inspect(box);
      box.hide();
    }
    if (s.answers.empty()) return escapeAnswer(buttons);
    auto a = s.answers.front();
    s.answers.pop_front();
    if (a == QMessageBox::NoButton) {
      // Enter: the default button, else the first button the box shows.
      if (defaultButton != QMessageBox::NoButton) return defaultButton;
      for (auto b : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
        if (buttons & b) return b;
    }
    return a;
  }
  QMessageBox box(icon, QString::fromLatin1(Texts::kAppTitle), text, buttons, parent);
  Build(box, defaultButton);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

int Exec(QDialog& dialog) {
  Script& s = script();
  if (s.scripted) {
    if (s.dialogs.empty()) return QDialog::Rejected;
    auto driver = std::move(s.dialogs.front());
    s.dialogs.pop_front();
    dialog.show();
    int r = driver(dialog);
    dialog.hide();
    return r;
  }
  return dialog.exec();
}

// The next queued file name; "" (cancelled) when none is queued.
QString TakeFileAnswer() {
  Script& s = script();
  if (s.files.empty()) return {};
  QString f = s.files.front();
  s.files.pop_front();
  return f;
}

QString OpenFileName(QWidget* parent, const QString& caption, const QString& filter) {
  if (script().scripted) return TakeFileAnswer();
  return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString SaveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                     const QString& filter) {
  if (script().scripted) return TakeFileAnswer();
  return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
}

QAction* Popup(QMenu& menu, const QPoint& globalPos) {
  Script& s = script();
  if (s.scripted) {
    s.menus.append({menu.objectName(), globalPos});
    if (s.menuChoices.empty()) return nullptr;
    const QString choice = s.menuChoices.front();
    s.menuChoices.pop_front();
    // Items of submenus are found too, as a person opens the submenu to reach them.
    std::function<QAction*(const QMenu&)> find = [&](const QMenu& m) -> QAction* {
      for (QAction* action : m.actions()) {
        if (action->isSeparator()) continue;
        if (action->menu()) {
          if (QAction* inner = find(*action->menu())) return inner;
        } else if (action->text().remove(QLatin1Char('&')) == choice) {
          return action;
        }
      }
      return nullptr;
    };
    // A person's choice runs the item; so does the script's.
    QAction* chosen = find(menu);
    if (chosen) chosen->trigger();
    return chosen;
  }
  return menu.exec(globalPos);
}

void SetScripted(bool on) { script().scripted = on; }
bool Scripted() { return script().scripted; }
void QueueMessageAnswer(QMessageBox::StandardButton answer) { script().answers.push_back(answer); }
void QueueDialog(std::function<int(QDialog&)> driver) { script().dialogs.push_back(std::move(driver)); }
void QueueFileName(const QString& path) { script().files.push_back(path); }
void QueueMenuChoice(const QString& itemText) { script().menuChoices.push_back(itemText); }
void InspectMessages(std::function<void(QMessageBox&)> inspector) { script().inspect = std::move(inspector); }

QStringList TakeMessages() {
  QStringList out;
  out.swap(script().shown);
  return out;
}

QList<QPair<QString, QPoint>> TakeMenus() {
  QList<QPair<QString, QPoint>> out;
  out.swap(script().menus);
  return out;
}

void Reset() {
  Script& s = script();
  s.answers.clear();
  s.dialogs.clear();
  s.files.clear();
  s.menuChoices.clear();
  s.shown.clear();
  s.menus.clear();
  s.inspect = nullptr;
}

}  // namespace Prompt
