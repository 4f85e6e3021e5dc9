#pragma once
// Holds the settings for the run and puts the DbType in force in the document whenever
// they change; the window's commands read and change them through it.
#include "app/AppSettings.h"

class CQuelmarDoc;

class RunSettings {
 public:
  // Puts the start values' DbType in force.
  explicit RunSettings(CQuelmarDoc& doc);

  const AppSettings& Get() const { return settings_; }
  void Set(const AppSettings& settings);
  // Only the DbType changes.
  void SetDbType(int dbType);

 private:
  CQuelmarDoc& doc_;
  AppSettings settings_;
};
