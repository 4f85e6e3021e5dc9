#pragma once
// The layout of a dialog that reports a list: a summary line, the list under it taking
// the extra height, and a row with a Close button. The summary is the list's buddy, the
// list carries its own accessible name, and Close rejects the dialog.
#include <QString>

class QDialog;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QVBoxLayout;

struct SummaryListLayout {
  QLabel* summary = nullptr;
  QTreeWidget* list = nullptr;
  QDialogButtonBox* buttons = nullptr;
  QPushButton* close = nullptr;
  // Further rows go in before the buttons (insertWidget at Rows()).
  QVBoxLayout* layout = nullptr;
  int Rows() const;
};

// Builds the three rows on `dialog` in this order, which is also their tab order. The
// list is named `listObjectName` for tests and `listName` for a screen reader; the
// Close button is named "close".
SummaryListLayout BuildSummaryList(QDialog& dialog, const QString& summary, const char* listObjectName,
                                   const QString& listName, const QString& closeText);
