#pragma once
// The sheet as a page sees it, for page tests and the window benchmarks: the DbType in
// force.
#include "db/records/DbType.h"
#include "ui/PageHost.h"

namespace testkit {

class RecordingPageHost : public PageHost {
 public:
  int DbType() const override { return dbType; }

  int dbType = dbtype::kDefault;
};

}  // namespace testkit
