#pragma once
// "Config Setting": the receiver variant, the serial port and its speed for the run.
#include <QDialog>
#include <QList>
#include <QString>
#include <functional>

#include "ui/transfer/LinkSettings.h"

class QComboBox;

class CCOMPortDlg : public QDialog {
  Q_OBJECT
 public:
  // Gives the rows of the "Port" list; by default "COM1".."COM4" and the serial devices
  // found on the machine at that moment.
  using PortSource = std::function<QList<LinkRows::PortRow>()>;

  // The "Port" list is filled each time the dialog opens, so an adapter plugged in
  // since is there.
  explicit CCOMPortDlg(QWidget* parent = nullptr, PortSource portRows = LinkRows::Ports);

  // Selected rows, exchanged with the lists when the dialog opens and on OK; -1 means
  // no row. A typed device path becomes a row of its own; the device of a row past
  // "COM4" (found or typed) is kept in portDevice.
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
  void RefreshPorts();
  void ExchangeToLists();
  void ExchangeFromLists();
  // The row showing or opening `text`, or -1.
  int PortRowOf(const QString& text) const;

  PortSource portRows_;
  QComboBox* dbType_;
  QComboBox* port_;
  QComboBox* baudRate_;
};
