#include "ui/transfer/TransferFields.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "ui/transfer/LinkDialogTexts.h"
#include "widgets/DialogUnits.h"
#include "widgets/Texts.h"

namespace TransferFields {

QLabel* AddCaption(QGridLayout& grid, const char* text, int row, int column) {
  auto* label = new QLabel(Texts::Q(text), grid.parentWidget());
  grid.addWidget(label, row, column);
  return label;
}

QLabel* AddField(QGridLayout& grid, const char* objectName, const char* caption, int row, int column, int width,
                 int span) {
  QLabel* label = AddCaption(grid, caption, row, column);
  auto* field = new QLabel(grid.parentWidget());
  field->setObjectName(QString::fromLatin1(objectName));
  field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  field->setTextInteractionFlags(Qt::TextSelectableByMouse);
  field->setAccessibleName(label->text());
  field->setMinimumWidth(DialogUnits::ToPixels(field->font(), width, 0).width());
  // One line high, whatever room the dialog has.
  field->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  label->setBuddy(field);
  grid.addWidget(field, row, column + 1, 1, span);
  return field;
}

QProgressBar* AddProgress(QWidget* dialog) {
  auto* bar = new QProgressBar(dialog);
  bar->setObjectName(QStringLiteral("progress"));
  bar->setAccessibleName(Texts::Q(LinkDialogTexts::kProgress));
  bar->setTextVisible(false);
  bar->setRange(0, 100);
  bar->setValue(0);
  return bar;
}

QPushButton* AddButton(QWidget* dialog, const char* objectName, const char* text) {
  auto* button = new QPushButton(Texts::Q(text), dialog);
  button->setObjectName(QString::fromLatin1(objectName));
  button->setAutoDefault(false);
  return button;
}

}  // namespace TransferFields
