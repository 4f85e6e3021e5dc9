#pragma once
// The "Group/Channel" page of the main sheet.
#include <QString>
#include <QWidget>

class CQuelmarDoc;
class PageHost;

class CPageGroupCh : public QWidget {
  Q_OBJECT
 public:
  CPageGroupCh(CQuelmarDoc& doc, PageHost& host, QWidget* parent = nullptr);

  // The tab caption: "Group/Channel".
  static QString Title();

  // Called each time the sheet brings this page to the front; the first call creates
  // the page's lists and selections.
  void Activate();

  // Rebuilds the page from the document's working database.
  void RefreshPage();

  // A command forwarded by the main frame; false when this page does not handle it.
  bool OnCommand(int commandId);

 private:
  CQuelmarDoc& doc_;
  PageHost& host_;
  bool initialised_ = false;
};
