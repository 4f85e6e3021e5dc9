#pragma once
// "Check Database": the consistency check's problems in a list. Activating a row
// (double-click or Enter) hands its problem to the window, which selects the record
// concerned on its page; the dialog stays open for the next one.
#include <QDialog>
#include <functional>
#include <vector>

#include "db/exchange/DatabaseCheck.h"

class QLabel;
class QTreeWidget;

class CCheckDatabaseDlg : public QDialog {
  Q_OBJECT
 public:
  CCheckDatabaseDlg(const CheckReport& report, std::function<void(const Problem&)> show, QWidget* parent);

  QTreeWidget* List() const { return list_; }
  QLabel* Summary() const { return summary_; }

 private:
  std::vector<Problem> problems_;
  std::function<void(const Problem&)> show_;
  QTreeWidget* list_;
  QLabel* summary_;
};
