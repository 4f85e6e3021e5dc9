#pragma once
// The property sheet inside the view: the "Satellite/Transponder" and "Group/Channel"
// pages as tabs, without caption or buttons.
#include <QTabWidget>

#include "ui/PageHost.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/satellites/CPageSatTP.h"

class CQuelmarDoc;

class CMainSheet : public QTabWidget, public PageHost {
  Q_OBJECT
 public:
  explicit CMainSheet(CQuelmarDoc& doc, QWidget* parent = nullptr);
  ~CMainSheet() override;

  // Activates "Satellite/Transponder", "Group/Channel", then "Satellite/Transponder"
  // again, so that both pages create their controls and the first stays in front.
  void ActivateAll();

  // Settles the values typed in either page's Info area and not applied, asking the
  // user; false when they are kept (Cancel, or a refused field).
  bool ResolveInfoEdits();

  CPageSatTP* SatTPPage() { return &satTP_; }
  CPageGroupCh* GroupChPage() { return &groupCh_; }

  // PageHost
  int DbType() const override;

 private:
  void OnTabActivated(int index);
  // Changing the page by a click on a tab or a key leaves the shown page's Info area.
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool ResolveShownPage();

  CQuelmarDoc& doc_;
  // The pages are held by value: they die before the tab widget base, and a child
  // widget that dies leaves its parent's list, so nothing is deleted twice.
  CPageGroupCh groupCh_;
  CPageSatTP satTP_;
};
