#include "widgets/SummaryListLayout.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

int SummaryListLayout::Rows() const { return layout->count() - 1; }

SummaryListLayout BuildSummaryList(QDialog& dialog, const QString& summary, const char* listObjectName,
                                   const QString& listName, const QString& closeText) {
  SummaryListLayout parts;
  parts.summary = new QLabel(summary, &dialog);
  parts.summary->setObjectName(QStringLiteral("summary"));

  parts.list = new QTreeWidget(&dialog);
  parts.list->setObjectName(QString::fromLatin1(listObjectName));
  parts.list->setAccessibleName(listName);
  parts.list->setUniformRowHeights(true);

  parts.buttons = new QDialogButtonBox(&dialog);
  parts.close = parts.buttons->addButton(closeText, QDialogButtonBox::RejectRole);
  parts.close->setObjectName(QStringLiteral("close"));
  QObject::connect(parts.buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

  parts.layout = new QVBoxLayout(&dialog);
  parts.layout->addWidget(parts.summary);
  parts.layout->addWidget(parts.list, 1);
  parts.layout->addWidget(parts.buttons);
  parts.summary->setBuddy(parts.list);
  return parts;
}
