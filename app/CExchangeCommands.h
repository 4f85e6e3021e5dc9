#pragma once
// The window's check, compare and exchange commands: Tools > "Check Database…" and
// "Find Duplicates", File > "Compare With…", "Export…", "Import…" and "Apply Order From
// Database…". The work itself is db/'s; this is the shell around it.
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "app/MainActions.h"
#include "ui/tools/CCheckDatabaseDlg.h"

namespace exchangeinput {
class Input;
}
class CQuelmarDoc;
class CQuelmarView;
class FileCommands;
struct Problem;

class CExchangeCommands : public QObject {
  Q_OBJECT
 public:
  struct Parts {
    CQuelmarDoc& doc;
    CQuelmarView& view;
    FileCommands& files;
  };
  // `window` owns the commands and the dialogs.
  CExchangeCommands(const Parts& parts, QWidget& window);

  const ExchangeActions& Actions() const { return actions_; }

  // The open "Check Database" window, if any.
  CCheckDatabaseDlg* CheckDialog() const { return checkDialog_; }

 signals:
  // A message for the status bar that needs no answer.
  void Notice(const QString& text);

 private:
  void OnCheckDatabase();
  void OnFindDuplicates();
  void OnCompareWith();
  void OnExport();
  void OnImport();
  void ImportJson(const QString& path, exchangeinput::Input& input);
  void ImportCsv(const QString& path, exchangeinput::Input& input);
  void OnApplyOrder();
  // Runs a reference's apply as the one step `step`, marking "New" the programs the
  // reference did not hold; returns the apply's report.
  template <typename Report, typename Apply, typename... Args>
  Report ApplyReference(const QString& step, Apply apply, const Args&... args);
  // An apply's report, cut to what a message box can show.
  void ShowReport(const std::vector<std::string>& lines, bool allMatched);
  void ShowProblem(const Problem& problem);
  void ShowProgram(int program, QWidget* over);

  Parts parts_;
  QWidget& window_;
  ExchangeActions actions_;
  QPointer<CCheckDatabaseDlg> checkDialog_;
};
