#pragma once
// "Transponder Info.": one transponder's frequency, symbol rate and polarization.
// The caller presets the four values, runs the dialog and after OK takes them back;
// the dialog never touches the database.
#include <QDialog>
#include <QString>
#include <cstdint>

class QComboBox;
class QLineEdit;
class QPushButton;

class CTPEditDlg : public QDialog {
  Q_OBJECT
 public:
  // Largest frequency and symbol rate: the width of the transponder's 16-bit fields.
  static constexpr std::uint32_t kMaxValue = 65535;

  explicit CTPEditDlg(QWidget* parent = nullptr);

  // Row of the "Polarization" list: 0 "Vertical", 1 "Horizontal", -1 none.
  int tpPolarization = -1;
  QString tpSatellite;
  std::uint32_t tpFrequency = 0;
  std::uint32_t tpSymbolRate = 0;

  void accept() override;

  QLineEdit* SatelliteEdit() const { return satellite_; }
  QLineEdit* FrequencyEdit() const { return frequency_; }
  QLineEdit* SymbolRateEdit() const { return symbolRate_; }
  QComboBox* PolarizationList() const { return polarization_; }
  QPushButton* OkButton() const { return ok_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowValues();
  // Reads one number field; false after telling the user what is wrong.
  bool ReadNumber(QLineEdit* edit, std::uint32_t& value);

  QLineEdit* satellite_;
  QLineEdit* frequency_;
  QLineEdit* symbolRate_;
  QComboBox* polarization_;
  QPushButton* ok_;
};
