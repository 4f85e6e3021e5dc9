#pragma once
// The application object: the single document, the settings for the run, the main
// frame and the recent-file list.
#include <QByteArrayList>
#include <QStringList>
#include <memory>

#include "app/CRecentFileList.h"
#include "app/RunSettings.h"
#include "db/document/CQuelmarDoc.h"

class CMainFrame;

class CQuelmarApp {
 public:
  // The settings take their start values here and are never stored.
  CQuelmarApp();
  ~CQuelmarApp();
  CQuelmarApp(const CQuelmarApp&) = delete;
  CQuelmarApp& operator=(const CQuelmarApp&) = delete;

  // Start-up once the QApplication exists: loads the recent-file list, creates the main
  // window, opens the file named in `files` (at most one) and shows the window. False
  // when start-up failed and the program must end with a non-zero status.
  bool InitInstance(const QStringList& files);
  // The same with the names as the file system holds them: the command line's own
  // bytes, which need not be valid UTF-8.
  bool InitInstanceNative(const QByteArrayList& files);
  // Offers the unsaved changes of windows that stopped unexpectedly; then opens the file
  // named at start when it waited for that (none was restored). False when that file
  // could not be opened (the reason has been shown) and the program must end with a
  // failure status.
  bool OfferRecovery();

  // Writes the recent-file list back; called when the main window closes.
  void ExitInstance();

  // The port, speed and DbType for the run.
  AppSettings Settings() const { return settings_.Get(); }
  // Takes new settings; a new DbType converts the open database (one undo step).
  void SetSettings(const AppSettings& settings) { settings_.Set(settings); }

  CQuelmarDoc& Doc() { return doc_; }
  CMainFrame* MainFrame() const { return frame_.get(); }
  CRecentFileList& RecentFiles() { return recent_; }

 private:
  CQuelmarDoc doc_;
  RunSettings settings_{doc_};
  CRecentFileList recent_;
  std::unique_ptr<CMainFrame> frame_;
  // The file named on the command line, waiting for the recovery offer.
  QByteArray pendingFile_;
};
