#pragma once
// "Config Setting": the receiver variant, the serial port and its speed for the run.
#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;

class CCOMPortDlg : public QDialog {
  Q_OBJECT
 public:
  // portRows are the rows of the "Port" list; by default "COM1".."COM4" and the
  // serial devices found on the machine.
  explicit CCOMPortDlg(QWidget* parent = nullptr, QStringList portRows = {});

  // Selected rows, exchanged with the lists when the dialog opens and on OK; -1 means
  // no row. A typed device path becomes a row of its own and is kept in portDevice.
  int baudRateIndex = -1;
  int comPortIndex = -1;
  int dbType = -1;
  QString portDevice;

  QComboBox* DbTypeList() const { return dbType_; }
  QComboBox* PortList() const { return port_; }
  QComboBox* BaudRateList() const { return baudRate_; }

  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ExchangeToLists();
  void ExchangeFromLists();

  QComboBox* dbType_;
  QComboBox* port_;
  QComboBox* baudRate_;
};
