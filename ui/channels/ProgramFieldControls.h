#pragma once
// The controls of a program's fields, made alike for the Info area of the
// "Group/Channel" page and for "Program Info": name, type, LOCK, the five PIDs and the
// service id. The program templates also carry an age limit, an audio language and a
// CAS box that no record field takes; they are made too, named and hidden, so the
// controls match the receiver's program template, and nothing reads them.
#include <QString>
#include <cstdint>

#include "db/operations/ProgramOperations.h"
#include "db/records/DbType.h"
#include "db/records/ProgramRecord.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QWidget;

struct ProgramFieldControls {
  // Where a labelled field goes in a grid: the label's row and column, the field right
  // of it. The LOCK box has no label and goes in the cell given.
  struct Cell {
    int row, column;
  };
  struct Arrangement {
    Cell name, type, videoPid, audioPid, pcrPid, serviceId, ttextPid, pmt, lock;
  };

  // What the fields show and read back. `type` is the row of the Type list (0 UNKNOWN,
  // 1 TV, 2 RADIO; -1 none).
  struct Values {
    QString name;
    int type = -1;
    bool locked = false;
    dbops::ProgramNumbers numbers;
  };

  // Makes the controls on `grid`'s widget and puts them in the cells given, in reading
  // order (row by row, left to right), which is the order Tab goes through them.
  static ProgramFieldControls Create(QGridLayout& grid, const Arrangement& at);

  // Shows the values; a type without a row shows none, numbers as unsigned decimal.
  void Show(const Values& values) const;
  // Whether the fields hold other values than `shown` (the type list is not compared).
  bool Differ(const Values& shown) const;

  // The values as the record operations take them.
  static dbops::ProgramEntry Entry(const Values& values);

  // The largest entry a number field takes: a PID as wide as the DbType keeps it (13 bits
  // in TypeC, 16 otherwise), the service id 16 bits. A larger one is refused, never
  // stored as its low bits.
  static std::uint32_t MaxPid(int dbType) { return dbtype::PidMask(dbType); }
  static constexpr std::uint32_t kMaxServiceId = ProgramFields::kServiceId.MaxValue();

  QLineEdit* name = nullptr;
  QComboBox* type = nullptr;
  QCheckBox* lock = nullptr;
  QLineEdit* videoPid = nullptr;
  QLineEdit* audioPid = nullptr;
  QLineEdit* pcrPid = nullptr;
  QLineEdit* serviceId = nullptr;
  QLineEdit* ttextPid = nullptr;
  QLineEdit* pmt = nullptr;
};
