#pragma once
// Asked before another database's order is applied: what it does, and what the matched
// programs take from it besides their places. Locks are taken unless the user says no
// (a rescan clears them); names only when asked, as they may have been edited since.
#include <QDialog>

class QCheckBox;

class CApplyOrderDlg : public QDialog {
  Q_OBJECT
 public:
  // The boxes start as the user left them last time.
  CApplyOrderDlg(const QString& fileName, bool takeLocks, bool takeNames, QWidget* parent);

  bool TakeLocks() const;
  bool TakeNames() const;

 private:
  QCheckBox* takeLocks_;
  QCheckBox* takeNames_;
};
