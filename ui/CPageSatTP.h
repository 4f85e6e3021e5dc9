#pragma once
// The "Satellite/Transponder" page of the main sheet.
#include <QString>
#include <QWidget>

class CQuelmarDoc;
class PageHost;

class CPageSatTP : public QWidget {
  Q_OBJECT
 public:
  CPageSatTP(CQuelmarDoc& doc, PageHost& host, QWidget* parent = nullptr);

  // The tab caption: "Satellite/Transponder".
  static QString Title();

  // Called each time the sheet brings this page to the front; the first call creates
  // the page's lists and selections.
  void Activate();

  // Rebuilds the page from the document's working database.
  void RefreshSatellites();

  // A command forwarded by the main frame; false when this page does not handle it.
  bool OnCommand(int commandId);

 private:
  CQuelmarDoc& doc_;
  PageHost& host_;
  bool initialised_ = false;
};
