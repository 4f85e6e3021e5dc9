#pragma once
// The settings the program keeps for the run, as "Config Setting" shows them: the
// link's port and speed, and the receiver variant (DbType) whose layout the document
// reads and writes. Nothing here is stored between runs.
#include "db/records/DbType.h"
#include "ui/transfer/LinkSettings.h"

struct AppSettings {
  LinkSettings link;
  int dbType = dbtype::kDefault;  // row of the "DB Type" list
};
