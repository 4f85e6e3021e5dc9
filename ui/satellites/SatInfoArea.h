#pragma once
// The "Sat. Info" area of the "Satellite/Transponder" page: one satellite's name, LNB
// and switch settings, and "Update".
#include <QGroupBox>
#include <functional>

class QCheckBox;
class QObject;
class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;
struct SatellitePanelState;

class SatInfoArea : public QGroupBox {
 public:
  // Makes the area's box and controls on the page; the page lays the box out.
  explicit SatInfoArea(QWidget& page);

  // Shows the info values of the page state; a list value without a row shows none.
  void Show(const SatellitePanelState& state);
  // Empties and disables the area while no satellite is listed.
  void Clear();

  // Reads the controls into the info values in exchange order: "22 kHz", "Motor",
  // "Selected", "0/12 V", "Diseqc Port", "LNB Type", "Name", "LNB Freq. High", "LNB
  // Freq. Low". A name that cannot be stored is refused with its message and false comes
  // back: nothing may be written. A frequency without a number is refused with its
  // message and ends the reading there; it and what follows keep their values, and the
  // update goes on (`complete`, when given, then becomes false).
  bool Read(SatellitePanelState& state, bool* complete = nullptr) const;
  // Whether the controls hold other values than the info values of `shown`: typed and
  // not applied. False while the area is cleared.
  bool Differs(const SatellitePanelState& shown) const;
  // Enter in any control runs `act`, as "Update" does.
  void OnEnter(QObject* owner, std::function<void()> act) const;

  // Tab goes on from `before` down the left column, down the right, then to "Update".
  void ChainTabOrder(QWidget* before) const;

  QPushButton* UpdateButton() const { return update_; }

 private:
  QWidget& page_;
  QLineEdit* name_ = nullptr;
  QComboBox* lnbType_ = nullptr;
  QLineEdit* lnbFreqHigh_ = nullptr;
  QLineEdit* lnbFreqLow_ = nullptr;
  QCheckBox* selected_ = nullptr;
  QComboBox* diseqcPort_ = nullptr;
  QCheckBox* tone22k_ = nullptr;
  QComboBox* lnbPower_ = nullptr;
  QCheckBox* motor_ = nullptr;
  QPushButton* update_ = nullptr;
};
