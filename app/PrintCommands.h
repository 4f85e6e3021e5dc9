#pragma once
// The window's print commands: File > "Print Channel List…" and "Export PDF…". Both lay
// out the channel lists with channellistprint; this is the shell that asks where to.
#include <QObject>
#include <QString>

#include "app/MainActions.h"

class CQuelmarDoc;
class FileCommands;
class QWidget;

class PrintCommands : public QObject {
  Q_OBJECT
 public:
  struct Parts {
    CQuelmarDoc& doc;
    FileCommands& files;
  };
  // `window` owns the commands and the dialogs.
  PrintCommands(const Parts& parts, QWidget& window);

  const PrintActions& Actions() const { return actions_; }

 signals:
  // A message for the status bar that needs no answer.
  void Notice(const QString& text);

 private:
  void OnPrint();
  void OnExportPdf();
  // False, having said so, when there is no database to print.
  bool HasDatabase();

  Parts parts_;
  QWidget& window_;
  PrintActions actions_;
};
