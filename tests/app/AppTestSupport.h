#pragma once
// Shared set-up of the window tests: a private settings store and temporary folder,
// a started application, and demo database files.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "widgets/Prompt.h"
#include "db/CQuelmarDoc.h"
#include "db/SampleDatabase.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace apptest {

// Pumps the event loop until `done` holds or `ms` milliseconds have passed.
inline bool WaitFor(const std::function<bool()>& done, int ms = 20000) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

inline QByteArray ReadAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
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
    ASSERT_TRUE(dir_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    Prompt::Reset();
  }
  void TearDown() override { Prompt::Reset(); }

  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

  QTemporaryDir dir_;
};

}  // namespace apptest
