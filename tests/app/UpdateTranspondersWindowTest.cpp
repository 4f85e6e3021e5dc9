// Tools > "Update Transponders From List…" in the window: the dialog shows each
// satellite's match, a match changed there counts, OK adds the transponders as one
// step that the "Satellite/Transponder" page shows and Undo takes back.
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QUndoStack>

#include "AppTestSupport.h"
#include "support/PageTest.h"
#include "support/TransponderLists.h"
#include "ui/satellites/CPageSatTP.h"
#include "ui/tools/CUpdateTranspondersDlg.h"

namespace {

class UpdateTranspondersWindowTest : public apptest::WindowTest {
 protected:
  QString WriteList(const char* name, const std::string& xml) {
    QFile f(Path(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(xml.data(), qint64(xml.size()));
    return Path(name);
  }
  // The rows the page's transponder list shows for its current satellite.
  int TransponderRows() {
    return testkit::Child<QTreeWidget>(*Sheet().SatTPPage(), "transponderList")->topLevelItemCount();
  }
};

}  // namespace

TEST_F(UpdateTranspondersWindowTest, TheDialogsMatchesAreAppliedAsOneStepThePageShows) {
  CMainFrame& frame = Start();
  apptest::Trigger(frame, "updateTransponders");
  EXPECT_EQ(Prompt::TakeMessages(),
            QStringList{QStringLiteral("A transponder list applies to a database: open or receive one before "
                                       "updating its transponders.")});

  auto db = std::make_unique<ChannelDatabase>();
  sample::BuildSampleDatabase(*db);
  Load(*db);
  QAction* item = apptest::Action(frame, "updateTransponders");
  ASSERT_NE(item, nullptr);
  EXPECT_TRUE(testkit::Child<QMenu>(frame, "toolsMenu")->actions().contains(item));
  Sheet().setCurrentIndex(0);
  const int before = TransponderRows();  // "Meridian 19.2E", the first satellite
  ASSERT_GT(before, 0);

  // A list that is refused says why, and nothing changes.
  Prompt::QueueFileName(WriteList("bomb.xml", testkit::BillionLaughs()));
  item->trigger();
  const QStringList refused = Prompt::TakeMessages();
  ASSERT_EQ(refused.size(), 1);
  EXPECT_TRUE(refused[0].startsWith(QStringLiteral("bomb.xml was not read: line 3: declares the entity \"lol\"")))
      << refused[0].toStdString();
  EXPECT_EQ(Stack().count(), 0);

  // 19.2E: two new, one present (the sample's 10744 V), one circular; 9.0E is no
  // satellite's name, so "Helion 7.0E" takes it by hand.
  const QString list = WriteList("sat.xml", testkit::SatellitesXml(
                                                {{"19.2E Astra", 192,
                                                  {{10714250, 22000000, 0}, {10729000, 22000000, 1},
                                                   {10744000, 22000000, 1}, {10758000, 22000000, 2}}},
                                                 {"9.0E Eutelsat", 90, {{11727000, 27500000, 1}}}}));
  bool shown = false;
  Prompt::QueueFileName(list);
  Prompt::QueueDialog([&](QDialog& d) {
    auto* dlg = qobject_cast<CUpdateTranspondersDlg*>(&d);
    EXPECT_NE(dlg, nullptr);
    if (!dlg) return int(QDialog::Rejected);
    shown = true;
    QTreeWidget* sats = dlg->SatelliteList();
    EXPECT_EQ(sats->topLevelItemCount(), 8);
    EXPECT_EQ(sats->topLevelItem(0)->text(0), QStringLiteral("Meridian 19.2E"));
    EXPECT_EQ(sats->topLevelItem(0)->text(1), QStringLiteral("19.2E Astra (19.2E)"));
    EXPECT_EQ(sats->topLevelItem(0)->text(2), QStringLiteral("2"));
    EXPECT_EQ(dlg->ListSatellites()->currentRow(), 1) << "the first row's match is shown beside it";
    QTreeWidgetItem* helion = sats->topLevelItem(4);
    EXPECT_EQ(helion->text(0), QStringLiteral("Helion 7.0E"));
    EXPECT_EQ(helion->text(1), QStringLiteral("(not matched)"));
    // Chosen as a person would: the satellite, then the list's satellite beside it.
    sats->setCurrentItem(helion);
    EXPECT_EQ(dlg->ListSatellites()->currentRow(), 0);
    dlg->ListSatellites()->setCurrentRow(2);
    EXPECT_EQ(helion->text(1), QStringLiteral("9.0E Eutelsat (9.0E)"));
    EXPECT_EQ(helion->text(2), QStringLiteral("1"));
    EXPECT_EQ(dlg->Total()->text(), QStringLiteral("Adds 3 transponders to 2 satellites."));
    testkit::Child<QPushButton>(*dlg, "ok")->click();
    return dlg->result();
  });
  item->trigger();
  ASSERT_TRUE(shown);
  const QStringList report = Prompt::TakeMessages();
  ASSERT_EQ(report.size(), 1);
  EXPECT_EQ(report[0], QStringLiteral("Meridian 19.2E: 2 added, 1 present, 1 circular skipped\n"
                                      "Helion 7.0E: 1 added, 0 present, 0 circular skipped\n"
                                      "6 satellites were not matched and keep their transponders as they are."));
  EXPECT_EQ(frame.MessagePane()->text(), QStringLiteral("Added 3 transponders from sat.xml"));

  EXPECT_EQ(TransponderRows(), before + 2);
  EXPECT_EQ(Stack().count(), 1);
  EXPECT_EQ(apptest::Action(frame, "editUndo")->text(), QStringLiteral("&Undo Update Transponders [sat.xml]"));
  EXPECT_TRUE(Doc().IsModified());
  apptest::Trigger(frame, "editUndo");
  EXPECT_EQ(TransponderRows(), before);
  EXPECT_FALSE(Doc().IsModified());
}
