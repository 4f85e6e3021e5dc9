#pragma once
// The window's check, compare and exchange commands: Tools > "Check Database…" and
// "Find Duplicates", the check before "Send to STB", File > "Compare With…", "Export…"
// and "Import…", and the offer to switch "Config Setting" when a file or a received
// image is laid out for another receiver variant. The work itself is db/'s; this is the
// shell around it.
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <string>

#include "ui/CCheckDatabaseDlg.h"

namespace exchangeinput {
class Input;
}
class CMainFrame;
class CQuelmarApp;
struct Problem;

class CExchangeCommands : public QObject {
  Q_OBJECT
 public:
  CExchangeCommands(CQuelmarApp& app, CMainFrame& frame);

  // A command of the menus; false when it is not one of these.
  bool OnCommand(int commandId);

  // Runs the check before a send: with errors asks whether to send anyway (No is the
  // default); with warnings only or none, says nothing. True when the send may go on.
  bool ConfirmSend();

  // When the image's checksums do not hold under the DbType in force but do under
  // another, says so; when exactly one other type fits, offers to switch "Config
  // Setting" to it. True when the user switched, and the caller loads the image again.
  bool OfferOtherVariant(const std::uint8_t* image);
  // The same for a file as the file system names it; false when it cannot be read.
  bool OfferOtherVariantOfFile(const std::string& nativePath);

  // The open "Check Database" window, if any.
  CCheckDatabaseDlg* CheckDialog() const { return checkDialog_; }

 private:
  void OnCheckDatabase();
  void OnFindDuplicates();
  void OnCompareWith();
  void OnExport();
  void OnImport();
  void ImportJson(const QString& path, exchangeinput::Input& input);
  void ImportCsv(const QString& path, exchangeinput::Input& input);
  void ShowProblem(const Problem& problem);
  void SwitchDbType(int dbType);

  CQuelmarApp& app_;
  CMainFrame& frame_;
  QPointer<CCheckDatabaseDlg> checkDialog_;
};
