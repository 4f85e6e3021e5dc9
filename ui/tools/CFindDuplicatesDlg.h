#pragma once
// "Find Duplicates": the sets of programs a rescan stored twice (same satellite,
// transponder frequency and polarization, and service ID), where each one sits in the
// TV and radio lists and which favourite groups hold it. The user checks the one to
// keep in each set (the first in list order unless changed); "Delete Others" deletes
// the rest of every set as one undo step. Programs that only share a name on
// different transponders are listed below it, for information.
//
// After a delete the dialog stays open and shows the database as it is then.
#include <QDialog>
#include <functional>
#include <vector>

#include "db/operations/DuplicateReport.h"

class DocEditing;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class CFindDuplicatesDlg : public QDialog {
  Q_OBJECT
 public:
  // Whoever shows the document learns of a delete from the document's notice.
  CFindDuplicatesDlg(DocEditing& doc, QWidget* parent);

  const dbops::DuplicateReport& Report() const { return report_; }
  // The entry of set `set` that is kept; -1 for a set that does not exist.
  int Kept(int set) const;
  // Keeps entry `entry` of set `set` and checks its row; out-of-range calls do nothing.
  void SetKept(int set, int entry);
  // Every program of every set but the kept ones, in the sets' order.
  std::vector<int> ProgramsToDelete() const;
  // Deletes ProgramsToDelete() as one step and shows what is left. Returns how many
  // programs were deleted.
  int DeleteOthers();

  QLabel* Summary() const { return summary_; }
  QTreeWidget* DuplicateList() const { return duplicates_; }
  QTreeWidget* SameNameList() const { return sameName_; }
  QPushButton* DeleteButton() const { return delete_; }

 private:
  void Fill();
  void OnItemChanged(QTreeWidgetItem* item, int column);

  DocEditing& doc_;
  dbops::DuplicateReport report_;
  std::vector<int> kept_;  // per set, the index of the kept entry
  bool filling_ = false;   // item changes are the dialog's own
  QLabel* summary_ = nullptr;
  QTreeWidget* duplicates_ = nullptr;
  QPushButton* delete_ = nullptr;
  QTreeWidget* sameName_ = nullptr;
};
