#pragma once
// The sheet as a page sees it, for page tests and the window benchmarks: the other
// page, when attached, and the DbType.
#include "ui/PageHost.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/satellites/CPageSatTP.h"

namespace testkit {

class RecordingPageHost : public PageHost {
 public:
  void Attach(CPageSatTP* page) { satTP_ = page; }
  void Attach(CPageGroupCh* page) { groupCh_ = page; }

  CPageSatTP* SatTPPage() override { return satTP_; }
  CPageGroupCh* GroupChPage() override {
    ++groupChRequests;
    return groupCh_;
  }
  int DbType() const override { return dbType; }

  int dbType = 3;
  // The "Satellite/Transponder" page asks for the other page only to refresh it.
  int groupChRequests = 0;

 private:
  CPageSatTP* satTP_ = nullptr;
  CPageGroupCh* groupCh_ = nullptr;
};

}  // namespace testkit
