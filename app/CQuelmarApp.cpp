#include "app/CQuelmarApp.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <utility>

#include "app/AppIcons.h"
#include "app/AppTexts.h"
#include "app/CMainFrame.h"
#include "app/CQuelmarView.h"
#include "db/document/FileIo.h"
#include "db/document/RecoveryFolder.h"
#include "widgets/AccessibleTree.h"
#include "widgets/Texts.h"

CQuelmarApp::CQuelmarApp() {
  // The icons live in the window library; pull its resources in for every program.
  Q_INIT_RESOURCE(quelmar);
  AccessibleTree::Install();
}

CQuelmarApp::~CQuelmarApp() {
  // The view dies with the frame; the document must not call into it afterwards.
  doc_.SetViews(nullptr);
  frame_.reset();
}

bool CQuelmarApp::InitInstance(const QStringList& files) {
  QByteArrayList native;
  for (const QString& f : files) native << QFile::encodeName(f);
  return InitInstanceNative(native);
}

bool CQuelmarApp::InitInstanceNative(const QByteArrayList& files) {
  QApplication::setApplicationName(QString::fromLatin1(Texts::kAppTitle));
  QApplication::setWindowIcon(AppIcons::Application());
  // Lets the desktop match the window to its menu entry (icon, name, pinning).
  QGuiApplication::setDesktopFileName(QStringLiteral("quelmar"));
  recent_.Load();

  frame_ = std::make_unique<CMainFrame>(doc_, settings_, recent_);
  // The recent-file list is written back when the window closes.
  QObject::connect(frame_.get(), &CMainFrame::Closed, [this] { ExitInstance(); });
  doc_.SetViews(frame_->View());
  if (files.size() > 1) return false;
  // Unsaved changes a stopped window left are offered first: a file named here opens only
  // when none is restored, so restored content never takes its name.
  if (files.size() == 1 && !recovery::Orphans(recovery::Folder()).empty()) {
    pendingFile_ = files.front();
  } else if (files.size() == 1 && !frame_->OpenNativeFile(files.front())) {
    return false;
  }

  frame_->ShowAtStart();
  return true;
}

bool CQuelmarApp::OfferRecovery() {
  const bool restored = frame_->OfferRecovery();
  const QByteArray file = std::exchange(pendingFile_, QByteArray());
  if (file.isEmpty()) return true;
  if (!restored) return frame_->OpenNativeFile(file);
  // The restored changes may be that very file's, titled by it when it is unchanged.
  if (!fileio::SameExistingFile(file.toStdString(), doc_.FilePath()))
    frame_->ShowNotice(Texts::Q(AppTexts::kArgumentNotOpened).arg(QFileInfo(QFile::decodeName(file)).fileName()));
  return true;
}

void CQuelmarApp::ExitInstance() { recent_.Save(); }
