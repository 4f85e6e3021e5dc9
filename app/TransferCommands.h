#pragma once
// The window's link commands: "Receive from STB", "Send to STB" and Tools > "Config
// Setting". A receive asks about unsaved changes first, offers another DbType when the
// image fits one, and keeps every completed image in the user's data folder; a send
// asks first when the check finds errors. Config Setting's port and speed are kept for
// the next start.
#include <QObject>
#include <QString>
#include <cstdint>
#include <vector>

#include "app/MainActions.h"

class CQuelmarDoc;
class CQuelmarView;
class FileCommands;
class RunSettings;
class VariantOffer;
class QWidget;

class TransferCommands : public QObject {
  Q_OBJECT
 public:
  struct Parts {
    CQuelmarDoc& doc;
    RunSettings& settings;
    CQuelmarView& view;
    FileCommands& files;
    VariantOffer& variants;
  };
  // `window` owns the commands and the dialogs.
  TransferCommands(const Parts& parts, QWidget& window);

  const TransferActions& Actions() const { return actions_; }

  // Puts the port and speed kept from the last run in force (start-up); returns what the
  // status bar says when the kept port is not there now, else "".
  QString RestoreKeptPort();

  // Runs the check before a send: with errors asks whether to send anyway (No is the
  // default); with warnings only or none, says nothing. True when the send may go on.
  bool ConfirmSend();

 signals:
  // A message for the status bar that needs no answer.
  void Notice(const QString& text);

 private:
  void OnConfigSetting();
  void OnReceiveFromStb();
  void OnSendToStb();
  // A received image kept in the user's data folder: what the status bar says (where,
  // or why not) and the kept file, empty when none was kept.
  struct Kept {
    QString notice;
    QString path;
  };
  // Keeps a completed received image, whether or not the user then loads it; the
  // receive goes on either way. Nothing for an image OK would refuse.
  static Kept KeepReceived(const std::vector<std::uint8_t>& image);

  Parts parts_;
  QWidget& window_;
  TransferActions actions_;
};
