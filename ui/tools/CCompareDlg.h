#pragma once
// "Compare With…": what changed in the document since a file, one line a change,
// grouped by table. Activating a line about a program of the document (double-click or
// Enter) hands the program to the window, which selects it on its page.
#include <QDialog>
#include <QString>

#include "db/exchange/DatabaseDiff.h"

class QLabel;
class QTreeWidget;

class CCompareDlg : public QDialog {
  Q_OBJECT
 public:
  CCompareDlg(const dbdiff::Result& result, const QString& fileName, QWidget* parent);

  QTreeWidget* List() const { return list_; }
  QLabel* Summary() const { return summary_; }

 signals:
  void ProgramActivated(int program);

 private:
  QTreeWidget* list_;
  QLabel* summary_;
};
