#pragma once
// The building blocks of the transfer dialogs: a caption with the sunken read-only field
// beside it, the progress bar and the buttons, put in the dialog's grid by the dialog.
class QGridLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace TransferFields {

// A caption at (`row`, `column`) and its sunken field right of it, spanning `span`
// columns and at least `width` dialog units wide, so that what the engines write later
// never has to push the dialog wider. The field's accessible name is the caption's text.
QLabel* AddField(QGridLayout& grid, const char* objectName, const char* caption, int row, int column, int width,
                 int span = 1);
QLabel* AddCaption(QGridLayout& grid, const char* text, int row, int column);
QProgressBar* AddProgress(QWidget* dialog);
QPushButton* AddButton(QWidget* dialog, const char* objectName, const char* text);

}  // namespace TransferFields
