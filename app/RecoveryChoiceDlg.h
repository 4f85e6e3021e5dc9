#pragma once
// Asked once at start when several windows stopped without closing: their unsaved
// changes, newest first. Restore takes the one chosen; the others are set aside.
#include <QDialog>
#include <QStringList>

class QListWidget;

class RecoveryChoiceDlg : public QDialog {
  Q_OBJECT
 public:
  // `rows` describe the journals, newest first.
  RecoveryChoiceDlg(const QStringList& rows, QWidget* parent = nullptr);

  QListWidget* List() const { return list_; }
  // The row to restore when the dialog was accepted; -1 when all are set aside.
  int Chosen() const { return chosen_; }

 private:
  QListWidget* list_;
  int chosen_ = -1;
};
