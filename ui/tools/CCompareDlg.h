#pragma once
// "Compare With…": what changed in the document since a file, one line a change,
// grouped by table. By program first, as after a rescan the slots say nothing; the
// choice above the list shows the comparison record by record (by slot). Activating a
// line about a program of the document (double-click or Enter) hands the program to the
// window, which selects it on its page.
#include <QDialog>
#include <QString>
#include <string_view>
#include <vector>

#include "db/exchange/DatabaseDiff.h"
#include "db/exchange/ProgramDiff.h"

class QComboBox;
class QLabel;
class QTreeWidget;

class CCompareDlg : public QDialog {
  Q_OBJECT
 public:
  // The rows of the choice above the list.
  enum By { kByProgram, kBySlot };

  CCompareDlg(const progdiff::Result& byProgram, const dbdiff::Result& bySlot, const QString& fileName,
              QWidget* parent);

  QTreeWidget* List() const { return list_; }
  QLabel* Summary() const { return summary_; }
  QComboBox* ByChoice() const { return by_; }

 signals:
  void ProgramActivated(int program);

 private:
  struct Line {
    std::string_view table;
    QString text;
    int program;
  };
  // Fills the summary and the list with one of the comparisons.
  void Show(int by);

  std::vector<Line> lines_[2];
  QString fileName_;
  QComboBox* by_;
  QTreeWidget* list_;
  QLabel* summary_;
};
