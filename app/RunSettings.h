#pragma once
// Holds the settings for the run. The link's port and speed are its own; the DbType is
// the open document's variant, read from the document each time, so Config Setting shows
// what a save would lay out and never differs from it. Changing the DbType with a
// database loaded converts it, as one undoable step.
#include "app/AppSettings.h"

class CQuelmarDoc;

class RunSettings {
 public:
  // Puts the start values' DbType in force.
  explicit RunSettings(CQuelmarDoc& doc);

  AppSettings Get() const;
  void Set(const AppSettings& settings);

 private:
  CQuelmarDoc& doc_;
  LinkSettings link_;
};
