#include "ui/channels/NameCellDelegate.h"

#include <QLineEdit>

#include "db/records/ProgramRecord.h"
#include "widgets/NameLimit.h"

NameCellDelegate::NameCellDelegate(QObject* parent, std::function<void(int, const QString&)> rename)
    : QStyledItemDelegate(parent), rename_(std::move(rename)) {}

QWidget* NameCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
  QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
  if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    edit->setObjectName(QStringLiteral("nameEditor"));
    // As the Info area's name field: what the record holds, a longer paste cut and said.
    NameLimit::Attach(edit, ProgramRecord::kNameWidth);
  }
  return editor;
}

void NameCellDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const {
  const auto* edit = qobject_cast<QLineEdit*>(editor);
  if (!edit || !rename_) return;
  // The edit goes through the document, never the model; after the editor is gone, as a
  // refusal shows a message box.
  QMetaObject::invokeMethod(
      parent(), [rename = rename_, row = index.row(), text = edit->text()] { rename(row, text); }, Qt::QueuedConnection);
}
