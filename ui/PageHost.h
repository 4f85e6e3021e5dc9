#pragma once
// What an editor page needs from the sheet that holds it: the other page and the DbType
// in force. CMainSheet implements it; page tests use a fake.
class CPageSatTP;
class CPageGroupCh;

class PageHost {
 public:
  virtual ~PageHost() = default;
  virtual CPageSatTP* SatTPPage() = 0;
  virtual CPageGroupCh* GroupChPage() = 0;
  // The receiver variant in force (0-3); decides the PID width.
  virtual int DbType() const = 0;
};
