// File > "Print Channel List…" and "Export PDF…" reach the lists' layout; what is laid
// out is ChannelListPrintTest's.
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPrintDialog>

#include "AppTestSupport.h"
#include "support/DbBuilders.h"

using namespace testkit;

namespace {

std::unique_ptr<ChannelDatabase> SmallDb() {
  auto db = EmptyDb();
  PutSatellite(*db, 0, "Astra");
  PutTransponder(*db, 0, 0, 11494);
  PutProgram(*db, 0, "One", 0).SetServiceId(1);
  PutList(db->channelLists.tvList, {0});
  return db;
}

}  // namespace

class PrintWindowTest : public apptest::WindowTest {};

TEST_F(PrintWindowTest, WithoutADatabaseBothAreRefused) {
  CMainFrame& frame = Start();
  for (const char* command : {"printChannelList", "exportPdf"}) {
    Prompt::QueueFileName(Path("never.pdf"));
    apptest::Trigger(frame, command);
    EXPECT_EQ(Prompt::TakeMessages(), QStringList{QStringLiteral("There is no database to print.")}) << command;
    Prompt::Reset();
  }
  EXPECT_FALSE(QFile::exists(Path("never.pdf")));
}

TEST_F(PrintWindowTest, ExportPdfWritesTheChosenFileAndSaysSo) {
  CMainFrame& frame = StartWith(*SmallDb());
  Prompt::QueueFileName(Path("lists"));  // the extension is added
  apptest::Trigger(frame, "exportPdf");
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  const QString pdf = Path("lists.pdf");
  EXPECT_TRUE(apptest::ReadAll(pdf).startsWith("%PDF-"));
  EXPECT_EQ(frame.MessagePane()->text(), QStringLiteral("Exported 1 pages to ") + QDir::toNativeSeparators(pdf));
}

// A PDF over the open database file would replace the database with its printout.
TEST_F(PrintWindowTest, ExportPdfOverTheOpenFileIsRefused) {
  const QString file = Path("open.qdb");
  apptest::WriteDatabase(file, *SmallDb());
  const QByteArray bytes = apptest::ReadAll(file);
  CMainFrame& frame = Start({file});
  Prompt::QueueFileName(file);
  apptest::Trigger(frame, "exportPdf");
  const QStringList said = Prompt::TakeMessages();
  ASSERT_EQ(said.size(), 1);
  EXPECT_TRUE(said[0].contains(QStringLiteral("is the database file that is open"))) << said[0].toStdString();
  EXPECT_EQ(apptest::ReadAll(file), bytes);
}

TEST_F(PrintWindowTest, PrintAsksForThePrinterFirst) {
  CMainFrame& frame = StartWith(*SmallDb());
  bool asked = false;
  Prompt::QueueDialog([&](QDialog& d) {
    asked = qobject_cast<QPrintDialog*>(&d) != nullptr;
    d.reject();
    return d.result();
  });
  apptest::Trigger(frame, "printChannelList");
  EXPECT_TRUE(asked);
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  EXPECT_EQ(frame.MessagePane()->text(), QStringLiteral("Ready"));
}
