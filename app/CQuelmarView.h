#pragma once
// The main window's client area. It shows the sheet once a database has been loaded
// and is where the document asks for its pages to be rebuilt.
#include <QScrollArea>
#include <memory>

#include "db/document/DocumentViews.h"

class CMainSheet;
class CQuelmarDoc;

class CQuelmarView : public QScrollArea, public DocumentViews {
  Q_OBJECT
 public:
  CQuelmarView(CQuelmarDoc& doc, QWidget* parent = nullptr);
  ~CQuelmarView() override;

  // A fresh sheet at the top-left corner, both pages activated, showing the page the
  // sheet it replaces showed.
  void BuildSheet();
  // Destroys the sheet, if any.
  void RemoveSheet();
  CMainSheet* Sheet() const { return sheet_; }
  // Before Save, Send and Close: values typed in an Info area and not applied are
  // applied or dropped after asking; false when the user keeps them (Cancel).
  bool ResolveInfoEdits();

  // DocumentViews: a database was copied into the working copy.
  void OnRefreshViews() override;
  // DocumentViews: the document's modified flag changed.
  void OnModifiedChanged(bool modified) override { emit ModifiedChanged(modified); }

 signals:
  // A fresh sheet is shown (its pages not filled yet).
  void SheetBuilt();
  // The document's modified flag changed (for the title's modified marker).
  void ModifiedChanged(bool modified);

 private:
  CQuelmarDoc& doc_;
  CMainSheet* sheet_ = nullptr;  // owned through the scroll area
};
