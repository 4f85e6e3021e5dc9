#pragma once
// "Open Received": the images kept from the receiver, newest first, with when they came,
// how many satellites, transponders and programs they hold and their receiver variant.
// The chosen one opens as an untitled document.
#include <QDialog>
#include <string>
#include <vector>

#include "db/document/ReceivedImages.h"

class QPushButton;
class QTreeWidget;

class CReceivedDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CReceivedDlg(const std::string& folder, QWidget* parent = nullptr);

  QTreeWidget* List() const { return list_; }
  // The kept image chosen when the dialog was accepted; empty otherwise.
  const std::string& ChosenPath() const { return chosen_; }

 private:
  QTreeWidget* list_;
  QPushButton* open_;
  std::vector<received::KeptImage> kept_;
  std::string chosen_;
};
