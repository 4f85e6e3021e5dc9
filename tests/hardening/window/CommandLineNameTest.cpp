// A file named on the window's command line whose name is not UTF-8 (a name from an old
// Latin-1 system, or from a receiver's memory stick): it opens, saves under its own
// bytes, and the title shows it as the file system gives it.
#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <chrono>
#include <filesystem>
#include <thread>

#include "app/AppTestSupport.h"
#include "app/CMainFrame.h"
#include "app/CQuelmarApp.h"
#include "support/Subprocess.h"

namespace {

const QByteArray kName("Kan\xe4le\xff.qdb");  // Latin-1 bytes: not UTF-8

class CommandLineName : public apptest::AppTest {
 protected:
  QByteArray RawPath() const { return QByteArray::fromStdString(dir_.Path().string()) + '/' + kName; }
  void WriteRawSample() {
    CQuelmarDoc doc;
    auto db = std::make_unique<ChannelDatabase>();
    sample::BuildSampleDatabase(*db);
    doc.LoadDatabase(sample::MakeHeader(3), *db);
    ASSERT_TRUE(doc.Save(RawPath().toStdString()).ok);
  }
};

TEST_F(CommandLineName, OpensAndSavesUnderTheBytesItWasGiven) {
  WriteRawSample();
  CQuelmarApp app;
  ASSERT_TRUE(app.InitInstanceNative({RawPath()}));
  EXPECT_TRUE(app.Doc().HasData());
  CMainFrame& frame = *app.MainFrame();
  EXPECT_EQ(frame.windowTitle(), QFile::decodeName(kName) + QStringLiteral("[*] - Quelmar"));

  app.Doc().Edit([](ChannelDatabase& db) { db.satellites[0].SetName("Saved"); });
  app.Doc().SetModifiedFlag(true);
  apptest::Trigger(frame, "fileSave");
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  EXPECT_FALSE(app.Doc().IsModified());
  CQuelmarDoc check;
  ASSERT_TRUE(check.Open(RawPath().toStdString()).ok);
  EXPECT_EQ(check.Working().satellites[0].Name(), "Saved");
  // The file and the backup of its old content, both under the bytes it was given.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Path()), {}), 2)
      << "no second file under a mangled name";
  EXPECT_TRUE(std::filesystem::exists(RawPath().toStdString() + ".bak"));
}

// The program itself, started as a file manager would start it: it must read the file
// it was given (seen through inotify; a program that cannot open it shows a message box
// and never touches the file).
TEST_F(CommandLineName, TheProgramReadsTheFileItWasGiven) {
  WriteRawSample();
  const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(watch, 0);
  ASSERT_GE(::inotify_add_watch(watch, RawPath().constData(), IN_ACCESS), 0);
  testkit::Subprocess window;
  const std::string config = dir_.File("config");
  ASSERT_TRUE(window.StartWith({testkit::BinaryPath("quelmar"), RawPath().toStdString()}, {},
                           {"QT_QPA_PLATFORM=offscreen", "XDG_CONFIG_HOME=" + config}));
  bool read = false;
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!read && std::chrono::steady_clock::now() < until) {
    alignas(inotify_event) char buf[4096];
    read = ::read(watch, buf, sizeof buf) > 0;
    if (!read) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ::close(watch);
  window.Signal(SIGTERM);
  window.Wait(std::chrono::seconds(10));
  EXPECT_TRUE(read) << "the window never read the file named on its command line";
}

}  // namespace
