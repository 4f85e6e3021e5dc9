#include "app/RunSettings.h"

#include "db/document/CQuelmarDoc.h"

RunSettings::RunSettings(CQuelmarDoc& doc) : doc_(doc) { doc_.SetDbType(settings_.dbType); }

void RunSettings::Set(const AppSettings& settings) {
  settings_ = settings;
  doc_.SetDbType(settings_.dbType);
}

void RunSettings::SetDbType(int dbType) {
  AppSettings changed = settings_;
  changed.dbType = dbType;
  Set(changed);
}
