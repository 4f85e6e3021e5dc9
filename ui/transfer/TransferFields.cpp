#include "ui/transfer/TransferFields.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "ui/transfer/LinkDialogTexts.h"
#include "widgets/DialogUnits.h"
#include "widgets/Texts.h"

namespace TransferFields {

QLabel* AddCaption(QWidget* dialog, const char* text, int x, int y, int width, int height) {
  auto* label = new QLabel(Texts::Q(text), dialog);
  DialogUnits::Place(label, x, y, width, height);
  // The layout was drawn for a narrower font; a caption is never cut short.
  const int needed = label->sizeHint().width();
  if (label->width() < needed) label->resize(needed, label->height());
  return label;
}

QLabel* AddField(QWidget* dialog, const char* objectName, QLabel* caption, int x, int y,
                 int width, int height) {
  auto* field = new QLabel(dialog);
  field->setObjectName(QString::fromLatin1(objectName));
  field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  field->setTextInteractionFlags(Qt::TextSelectableByMouse);
  field->setAccessibleName(caption->text());
  caption->setBuddy(field);
  DialogUnits::Place(field, x, y, width, height);
  return field;
}

QProgressBar* AddProgress(QWidget* dialog, int x, int y, int width, int height) {
  auto* bar = new QProgressBar(dialog);
  bar->setObjectName(QStringLiteral("progress"));
  bar->setAccessibleName(Texts::Q(LinkDialogTexts::kProgress));
  bar->setTextVisible(false);
  bar->setRange(0, 100);
  bar->setValue(0);
  DialogUnits::Place(bar, x, y, width, height);
  return bar;
}

QPushButton* AddButton(QWidget* dialog, const char* objectName, const char* text, int x, int y,
                       int width, int height) {
  auto* button = new QPushButton(Texts::Q(text), dialog);
  button->setObjectName(QString::fromLatin1(objectName));
  button->setAutoDefault(false);
  DialogUnits::Place(button, x, y, width, height);
  return button;
}

}  // namespace TransferFields
