#pragma once
// The "Info." area of the "Group/Channel" page: the fields of the program selected in
// either list, the name of the satellite carrying it, and "Update".
#include <QString>
#include <functional>

#include "ui/channels/ProgramFieldControls.h"

class QLabel;
class QObject;
class QPushButton;
class QWidget;

class ProgramInfoArea {
 public:
  // Makes the area's controls on the page.
  explicit ProgramInfoArea(QWidget& page);

  void Show(const ProgramFieldControls::Values& values, const QString& satellite) const;
  // Empties every field and disables "Update": the current row names no program.
  void ShowNone() const;

  // Reads the controls into `values` in exchange order: Type, Name, Video PID, Audio
  // PID, PCR PID, PMT, Service ID, TText PID, LOCK (the satellite is display only). A
  // field that cannot be taken (no number, or one too large for the record's field in
  // `dbType`) is refused with its message; reading stops there, it and the later fields
  // keep their values, and false comes back.
  bool Read(ProgramFieldControls::Values& values, int dbType) const;
  // Whether the fields hold values other than the `shown` ones: typed and not applied.
  bool Differs(const ProgramFieldControls::Values& shown) const { return fields_.Differ(shown); }
  // Enter in any field runs `act`, as "Update" does.
  void OnEnter(QObject* owner, std::function<void()> act) const;

  // Tab goes on from `before` through the fields row by row, then to "Update".
  void ChainTabOrder(QWidget* before) const;

  QPushButton* UpdateButton() const { return update_; }

 private:
  QWidget& page_;
  ProgramFieldControls fields_;
  QLabel* satellite_ = nullptr;
  QPushButton* update_ = nullptr;
};
