#pragma once
// Shared set-up of the window tests: a private settings store and temporary folder,
// a started application, and demo database files.
#include <gtest/gtest.h>

#include <QAction>
#include <QByteArray>
#include <QFile>
#include <QSettings>
#include <memory>
#include <ostream>
#include <string>

#include "db/document/CQuelmarDoc.h"
#include "db/operations/SampleDatabase.h"
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

// Writes the demo database, laid out for `dbType`, to `path`.
inline void WriteSample(const QString& path, int dbType = 3) {
  CQuelmarDoc doc;
  doc.SetDbType(dbType);
  auto db = std::make_unique<ChannelDatabase>();
  sample::BuildSampleDatabase(*db);
  doc.LoadDatabase(sample::MakeHeader(dbType), *db);
  ASSERT_TRUE(doc.Save(QFile::encodeName(path).toStdString()).ok);
}

// Every test gets its own settings store and folder, and a clean prompt script.
class AppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(dir_.Path()));
    Prompt::Reset();
  }
  void TearDown() override { Prompt::Reset(); }

  QString Path(const char* name) const { return QString::fromStdString(dir_.File(name)); }

  testkit::TempDir dir_;
};

}  // namespace apptest
