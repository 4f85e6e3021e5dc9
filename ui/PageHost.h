#pragma once
// What an editor page needs from the sheet that holds it: the DbType in force. A page
// never reaches the other page: what it changes reaches the other through the
// document's notices. CMainSheet implements it; page tests use a fake.
class PageHost {
 public:
  virtual ~PageHost() = default;
  // The receiver variant in force (0-3); decides the PID width.
  virtual int DbType() const = 0;
};
