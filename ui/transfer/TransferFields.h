#pragma once
// The building blocks of the transfer dialogs: plain captions and the sunken read-only
// fields beside them, placed in dialog units.
class QLabel;
class QProgressBar;
class QPushButton;
class QString;
class QWidget;

namespace TransferFields {

QLabel* AddCaption(QWidget* dialog, const char* text, int x, int y, int width, int height);
// A sunken field whose accessible name is its caption's text.
QLabel* AddField(QWidget* dialog, const char* objectName, QLabel* caption, int x, int y,
                 int width, int height);
QProgressBar* AddProgress(QWidget* dialog, int x, int y, int width, int height);
QPushButton* AddButton(QWidget* dialog, const char* objectName, const char* text, int x, int y,
                       int width, int height);

}  // namespace TransferFields
