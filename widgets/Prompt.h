#pragma once
// Every modal question the window asks (message boxes, dialogs, file choosers) goes
// through here. Outside tests each call shows the real thing; a test switches to
// scripted mode and queues the answers a person would give, so nothing ever blocks.
#include <QList>
#include <QMessageBox>
#include <QPair>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>

class QAction;
class QDialog;
class QMenu;
class QPoint;
class QWidget;

namespace Prompt {

// A message box titled "Quelmar". Returns the button pressed. `defaultButton` is the
// one Enter presses (the platform's choice when NoButton).
QMessageBox::StandardButton Message(QWidget* parent, const QString& text,
                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                    QMessageBox::Icon icon = QMessageBox::Warning,
                                    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// Runs a dialog modally; returns QDialog::Accepted or QDialog::Rejected.
int Exec(QDialog& dialog);

// File choosers; an empty string means the user cancelled.
QString OpenFileName(QWidget* parent, const QString& caption, const QString& filter);
QString SaveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                     const QString& filter);

// A popup menu at a screen position; the chosen item is triggered, once, and returned
// (null when the menu was dismissed).
QAction* Popup(QMenu& menu, const QPoint& globalPos);

// ---- test hooks -----------------------------------------------------------
// In scripted mode a call without a queued answer takes the escape answer (Cancel,
// else No, else OK; a dialog is rejected; a file chooser returns ""). Every message
// text shown is recorded either way.
void SetScripted(bool on);
bool Scripted();
// NoButton answers as Enter would: with the box's default button.
void QueueMessageAnswer(QMessageBox::StandardButton answer);
// The driver gets the dialog shown (not modal), fills it as a person would, presses
// its buttons and returns the dialog's result (usually dialog.result()).
void QueueDialog(std::function<int(QDialog&)> driver);
void QueueFileName(const QString& path);
// The text of the popup-menu item to choose (without '&'); "" dismisses the menu.
void QueueMenuChoice(const QString& itemText);
// Each message box is built and shown (not modal) for `inspector` to look at before
// the scripted answer is taken, as a person would see it.
void InspectMessages(std::function<void(QMessageBox&)> inspector);
// Message texts shown since the last call, oldest first.
QStringList TakeMessages();
// The popup menus opened since the last call (object name and screen position).
QList<QPair<QString, QPoint>> TakeMenus();
// Forgets queued answers and recorded messages.
void Reset();

}  // namespace Prompt
