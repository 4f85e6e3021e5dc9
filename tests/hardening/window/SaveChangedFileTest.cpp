// The window's Save on a file that another program wrote since it was opened: a question
// whose default answer keeps the other program's file.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <QFile>

#include "app/AppTestSupport.h"
#include "app/CMainFrame.h"
#include "app/CQuelmarApp.h"
#include "db/document/DbTexts.h"
#include "widgets/Prompt.h"

namespace {

class SaveChangedFile : public apptest::AppTest {};

TEST_F(SaveChangedFile, AsksWithNoAsTheDefaultAndOverwritesOnlyOnYes) {
  const QString path = Path("channels.qdb");
  apptest::WriteSample(path);
  CQuelmarApp app;
  ASSERT_TRUE(app.InitInstance({path}));
  CMainFrame& frame = *app.MainFrame();
  app.Doc().Edit([](ChannelDatabase& db) { db.satellites[0].SetName("Mine"); });
  app.Doc().SetModifiedFlag(true);

  // A second window saved its own edit meanwhile.
  QByteArray theirs = apptest::ReadAll(path);
  theirs[300] = static_cast<char>(theirs[300] ^ 0x5A);
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(theirs);
  }
  struct stat st{};
  const QByteArray native = QFile::encodeName(path);
  ::stat(native.constData(), &st);
  const timespec times[2] = {st.st_atim, {st.st_mtim.tv_sec + 2, 0}};
  ::utimensat(AT_FDCWD, native.constData(), times, 0);

  Prompt::TakeMessages();
  Prompt::QueueMessageAnswer(QMessageBox::NoButton);  // Enter takes the default
  apptest::Trigger(frame, "fileSave");
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{QString::fromLatin1(DbTexts::kChangedOnDisk)});
  EXPECT_EQ(apptest::ReadAll(path), theirs);
  EXPECT_TRUE(app.Doc().IsModified());

  Prompt::QueueMessageAnswer(QMessageBox::Yes);
  apptest::Trigger(frame, "fileSave");
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{QString::fromLatin1(DbTexts::kChangedOnDisk)});
  EXPECT_NE(apptest::ReadAll(path), theirs);
  EXPECT_FALSE(app.Doc().IsModified());

  // Now the file is the window's own again: the next save asks nothing.
  app.Doc().SetModifiedFlag(true);
  apptest::Trigger(frame, "fileSave");
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
}

}  // namespace
