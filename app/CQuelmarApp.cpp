#include "app/CQuelmarApp.h"

#include <QApplication>
#include <QFile>

#include "app/AppIcons.h"
#include "app/AppTexts.h"
#include "app/CMainFrame.h"
#include "app/CQuelmarView.h"
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
  if (files.size() == 1 && !frame_->OpenNativeFile(files.front())) return false;

  frame_->ShowAtStart();
  return true;
}

void CQuelmarApp::OfferRecovery() { frame_->OfferRecovery(); }

void CQuelmarApp::ExitInstance() { recent_.Save(); }
