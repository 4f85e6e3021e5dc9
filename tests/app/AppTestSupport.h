#pragma once
// Shared set-up of the window tests: a private settings store and temporary folder,
// a started application with its window, and database files.
#include <gtest/gtest.h>

#include <QAction>
#include <QByteArray>
#include <QFile>
#include <QSettings>
#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "app/CMainFrame.h"
#include "app/CMainSheet.h"
#include "app/CQuelmarApp.h"
#include "app/CQuelmarView.h"
#include "app/EditSteps.h"
#include "db/document/CQuelmarDoc.h"
#include "db/operations/SampleDatabase.h"
#include "db/records/DbType.h"
#include "support/QtWait.h"
#include "support/TempDir.h"
#include "widgets/Prompt.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace apptest {

inline QByteArray ReadAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

// The command named `name` (the object name of its action): a command of the window's
// menus or of a page it shows.
inline QAction* Action(QObject& window, const char* name) {
  QAction* action = window.findChild<QAction*>(QString::fromLatin1(name));
  EXPECT_NE(action, nullptr) << name;
  return action;
}

// Gives the command as its menu item or key would.
inline void Trigger(QObject& window, const char* name) {
  if (QAction* action = Action(window, name)) action->trigger();
}

// Writes `db`, laid out for `dbType`, to `path` as the editor saves it.
inline void WriteDatabase(const QString& path, const ChannelDatabase& db, int dbType = dbtype::kDefault) {
  CQuelmarDoc doc;
  doc.SetDbType(dbType);
  doc.LoadDatabase(sample::MakeHeader(dbType), db);
  ASSERT_TRUE(doc.Save(QFile::encodeName(path).toStdString()).ok);
}

// Writes the demo database, laid out for `dbType`, to `path`.
inline void WriteSample(const QString& path, int dbType = dbtype::kDefault) {
  auto db = std::make_unique<ChannelDatabase>();
  sample::BuildSampleDatabase(*db);
  WriteDatabase(path, *db, dbType);
}

// Every test gets its own settings store and folder, its own recovery folder (a window a
// test ends without closing leaves its journal there, which the next test's start would
// offer), and a clean prompt script.
class AppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(dir_.Path()));
    if (const char* old = std::getenv("XDG_STATE_HOME")) oldState_ = old;
    ::setenv("XDG_STATE_HOME", stateDir_.Path().c_str(), 1);
    Prompt::Reset();
  }
  void TearDown() override {
    Prompt::Reset();
    if (oldState_) {
      ::setenv("XDG_STATE_HOME", oldState_->c_str(), 1);
    } else {
      ::unsetenv("XDG_STATE_HOME");
    }
  }

  QString Path(const char* name) const { return QString::fromStdString(dir_.File(name)); }

  testkit::TempDir dir_;
  testkit::TempDir stateDir_;  // apart from dir_, whose files tests count
  std::optional<std::string> oldState_;
};

// A test of the whole window: the application started as from the command line, and its
// frame, document, sheet and undo stack.
class WindowTest : public AppTest {
 protected:
  CMainFrame& Start(const QStringList& files = {}) {
    app_ = std::make_unique<CQuelmarApp>();
    EXPECT_TRUE(app_->InitInstance(files));
    return *app_->MainFrame();
  }
  // Started without a file, then `db` loaded as an untitled document.
  CMainFrame& StartWith(const ChannelDatabase& db, int dbType = dbtype::kDefault) {
    CMainFrame& frame = Start();
    Load(db, dbType);
    return frame;
  }
  void Load(const ChannelDatabase& db, int dbType = dbtype::kDefault) {
    app_->Doc().SetDbType(dbType);
    app_->Doc().LoadDatabase(sample::MakeHeader(dbType), db);
  }

  CMainFrame& Frame() { return *app_->MainFrame(); }
  CQuelmarDoc& Doc() { return app_->Doc(); }
  CMainSheet& Sheet() { return *Frame().View()->Sheet(); }
  QUndoStack& Stack() { return Frame().Steps()->Stack(); }

  std::unique_ptr<CQuelmarApp> app_;
};

}  // namespace apptest
