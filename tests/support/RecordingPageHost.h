#pragma once
// The sheet and the main frame as a page sees them, for page tests and the window
// benchmarks: every command and context menu a page asks for is recorded, and a command
// goes back to the attached page that knows it, as the sheet forwards it. With no page
// attached it only records.
#include <QPoint>
#include <utility>
#include <vector>

#include "ui/CPageGroupCh.h"
#include "ui/CPageSatTP.h"
#include "ui/PageHost.h"

namespace testkit {

class RecordingPageHost : public PageHost {
 public:
  void Attach(CPageSatTP* page) { satTP_ = page; }
  void Attach(CPageGroupCh* page) { groupCh_ = page; }

  void PopupContextMenu(ContextMenu menu, const QPoint& globalPos) override {
    menus.emplace_back(menu, globalPos);
  }
  void SendCommand(int commandId) override {
    commands.push_back(commandId);
    if (satTP_ && satTP_->OnCommand(commandId)) return;
    if (groupCh_) groupCh_->OnCommand(commandId);
  }
  int DbType() const override { return dbType; }

  int dbType = 3;
  std::vector<int> commands;
  std::vector<std::pair<ContextMenu, QPoint>> menus;

 private:
  CPageSatTP* satTP_ = nullptr;
  CPageGroupCh* groupCh_ = nullptr;
};

}  // namespace testkit
