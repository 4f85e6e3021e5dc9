#pragma once
// The "Program Info" dialog: the satellite and transponder a new program is carried on,
// its name, type, lock flag, PIDs and service id. It only reads the database.
#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "db/records/ListedTransponders.h"
#include "ui/channels/ProgramFieldControls.h"

struct ChannelDatabase;
class QComboBox;
class QPushButton;

class CProgramEditDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kMaxTransponderRows = ListedTransponders::kMaxRows;

  // `dbType` decides how wide a PID may be.
  CProgramEditDlg(const ChannelDatabase& db, int dbType, QWidget* parent = nullptr);

  // Preset by the caller before opening; read after OK.
  int chosenTransponder = 0;
  QString progName;
  int progType = -1;  // 0 UNKNOWN, 1 TV, 2 RADIO
  int progLocked = 0;
  std::uint32_t progVideoPid = 0;
  std::uint32_t progAudioPid = 0;
  std::uint32_t progPcrPid = 0;
  std::uint32_t progServiceId = 0;
  std::uint32_t progTtextPid = 0;
  std::uint32_t progPmtPid = 0;

  // The entered values, as the Info area of the page holds them.
  ProgramFieldControls::Values Entered() const;

  int SatelliteRowCount() const { return int(satelliteChoices_.size()); }
  int SatelliteChoice(int row) const;
  int TransponderRowCount() const { return transponders_.count; }
  int TransponderRow(int row) const;

  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void ShowValues();
  void FillSatellites();
  void PreselectSatellite();
  void FillTransponders();
  // Reads the controls in exchange order; false (after the message, with the focus on
  // the field) when a field cannot be taken.
  bool ReadControls();

  const ChannelDatabase& db_;
  int dbType_;
  std::vector<int> satelliteChoices_;  // the satellite slot of each row
  ListedTransponders transponders_;
  bool shown_ = false;

  QComboBox* satellite_ = nullptr;
  QComboBox* transponder_ = nullptr;
  ProgramFieldControls fields_;
  QPushButton* ok_ = nullptr;
};
