#pragma once
// Asked before a channel list is applied: what it does, and whether the programs also
// take the list's names. Off by default, as a spreadsheet may have changed names on the
// way ("0044" saved as 44).
#include <QDialog>

class QCheckBox;

class CApplyListDlg : public QDialog {
  Q_OBJECT
 public:
  CApplyListDlg(const QString& fileName, int rows, QWidget* parent);

  bool TakeNames() const;
  QCheckBox* TakeNamesBox() const { return takeNames_; }

 private:
  QCheckBox* takeNames_;
};
