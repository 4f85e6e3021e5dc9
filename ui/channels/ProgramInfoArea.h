#pragma once
// The "Info." area of the "Group/Channel" page: the fields of the program selected in
// either list, the name of the satellite carrying it, and "Update". The area owns which
// program it shows and the stored values its fields are compared with, so typed values
// are settled here: applied as one step, dropped, or kept after asking. The page lays
// out the box.
#include <QGroupBox>
#include <QString>
#include <functional>

#include "db/document/DocEditing.h"
#include "ui/channels/ProgramFieldControls.h"

class PageHost;
class QLabel;
class QPushButton;
class QWidget;

class ProgramInfoArea : public QGroupBox {
  Q_OBJECT
 public:
  // Makes the area's box and its controls on `page`. The lists learn of what "Update" wrote from the
  // document's notice.
  ProgramInfoArea(DocEditing& doc, PageHost& host, QWidget& page);

  // Forgets the program shown and shows the empty values: the page starts afresh.
  void Reset();
  // Shows `program` as stored; a slot outside the table shows nothing. The same program
  // shown again unchanged keeps what was typed over it.
  void ShowProgram(int program);
  // The fields show the stored values again, dropping what was typed.
  void ShowStored() const;
  // The row the area showed is gone: "Update" must then not write into whatever slot
  // the list's cleared row map holds.
  void Invalidate() { valid_ = false; }

  // Whether the area shows a program, and which.
  bool Valid() const { return valid_; }
  int Program() const { return program_; }

  // Before the area's program is left: typed values that differ from the stored ones
  // are applied (one step), dropped, or kept after asking. False when the user keeps
  // them (Cancel) or a field is refused; the caller then stays where it is.
  bool Resolve();
  // "Update" or Enter: writes the fields to `selected`, the program of the active
  // list's row (-1: none).
  void Update(int selected) { Apply(false, selected); }

  // Enter in any field runs `act`, as "Update" does.
  void OnEnter(QObject* owner, std::function<void()> act) const;
  // Tab goes on from `before` through the fields row by row, then to "Update".
  void ChainTabOrder(QWidget* before) const;

  QPushButton* UpdateButton() const { return update_; }

 private:
  // Empties every field and disables "Update": the current row names no program.
  void ShowNone() const;
  // Reads the controls into `values` in exchange order: Type, Name, Video PID, Audio
  // PID, PCR PID, PMT, Service ID, TText PID, LOCK (the satellite is display only). A
  // field that cannot be taken (no number, or one too large for the record's field) is
  // refused with its message; reading stops there, it and the later fields keep their
  // values, and false comes back.
  bool Read(ProgramFieldControls::Values& values) const;
  // Writes the fields to a program. When `whole` (settling typed values), to the one
  // they were typed over, and a refused field writes nothing and false comes back.
  bool Apply(bool whole, int selected);

  DocEditing& doc_;
  PageHost& host_;
  QWidget& page_;
  ProgramFieldControls fields_;
  QLabel* satellite_ = nullptr;
  QPushButton* update_ = nullptr;

  bool valid_ = false;
  int program_ = -1;
  ProgramFieldControls::Values stored_;
  QString storedSatellite_;
};
