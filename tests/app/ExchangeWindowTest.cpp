// The window's check, compare and exchange commands, driven as a person would.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include "ui/channels/GroupChListView.h"
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>
#include <QtTest/QTest>

#include "AppTestSupport.h"
#include "app/CExchangeCommands.h"
#include "app/ExportName.h"
#include "db/exchange/ChannelCsv.h"
#include "db/exchange/ImageJson.h"
#include "db/image/DatabaseImage.h"
#include "db/image/ImageHeader.h"
#include "db/operations/SampleDatabase.h"
#include "support/DbBuilders.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/satellites/SatTPListView.h"
#include "ui/tools/CCheckDatabaseDlg.h"
#include "ui/tools/CCompareDlg.h"
#include "ui/tools/CApplyOrderDlg.h"

using namespace testkit;

namespace {

// Two satellites, a transponder each, four TV programs listed, one radio program.
std::unique_ptr<ChannelDatabase> SmallDb() {
  auto db = EmptyDb();
  PutSatellite(*db, 0, "Astra");
  PutSatellite(*db, 1, "Hotbird");
  PutTransponder(*db, 0, 0, 11494);
  PutTransponder(*db, 1, 1, 12111);
  PutProgram(*db, 0, "One", 0).SetServiceId(1);
  PutProgram(*db, 1, "Two", 0).SetServiceId(2);
  PutProgram(*db, 2, "Three", 1).SetServiceId(3);
  PutProgram(*db, 3, "Four", 1).SetServiceId(4);
  PutProgram(*db, 4, "Wave", 1, ProgramRecord::kRadio).SetServiceId(5);
  PutList(db->channelLists.tvList, {0, 1, 2, 3});
  PutList(db->channelLists.radioList, {4});
  PutGroup(*db, 0, "News", {1, 3});
  return db;
}

std::vector<int> TvOrder(const CQuelmarDoc& doc) { return Entries(doc.Working().channelLists.tvList); }

int Accept(QDialog& d) {
  d.accept();
  return d.result();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

}  // namespace

class ExchangeWindowTest : public apptest::WindowTest {
 protected:
  CMainFrame& Start(const ChannelDatabase* db = nullptr, int dbType = dbtype::kDefault) {
    return db ? StartWith(*db, dbType) : WindowTest::Start();
  }

  // Saves the database as a file laid out for `dbType`.
  QString SaveAs(const ChannelDatabase& db, const char* name, int dbType = dbtype::kDefault) {
    const QString path = Path(name);
    apptest::WriteDatabase(path, db, dbType);
    return path;
  }

  // Runs "Check Database…" and returns its (modeless) window.
  CCheckDatabaseDlg* Check() {
    apptest::Trigger(Frame(), "checkDatabase");
    return Frame().Exchange().CheckDialog();
  }
};

TEST_F(ExchangeWindowTest, CheckListsProblemsAndDoubleClickSelectsTheRecord) {
  auto db = SmallDb();
  PutList(db->channelLists.tvList, {0, 1, 2, 3, 3999});  // position 4 names an Empty slot
  db->programs[2].SetName("");                         // a warning on a program listed at 2
  PutGroup(*db, 2, "Kids", {0, 2});
  db->channelLists.favoriteGroups[2].SetMember(1, 0);  // member 1 repeats member 0
  Start(db.get());

  CCheckDatabaseDlg* dlg = Check();
  ASSERT_NE(dlg, nullptr);
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_FALSE(dlg->isModal());
  QTreeWidget* list = dlg->List();
  EXPECT_EQ(list->accessibleName(), QStringLiteral("Problems"));
  QStringList kinds;
  for (int i = 0; i < list->topLevelItemCount(); ++i) kinds << list->topLevelItem(i)->text(1);
  EXPECT_TRUE(kinds.contains(QStringLiteral("list-entry-not-used"))) << kinds.join(',').toStdString();
  EXPECT_TRUE(kinds.contains(QStringLiteral("empty-name")));
  EXPECT_TRUE(kinds.contains(QStringLiteral("group-member-duplicate")));
  EXPECT_TRUE(dlg->Summary()->text().startsWith(QStringLiteral("2 errors")));
  // Channel numbers as the page shows them, and every column as wide as its texts.
  EXPECT_EQ(list->headerItem()->text(3), QStringLiteral("No."));
  QStringList numbers;
  for (int i = 0; i < list->topLevelItemCount(); ++i) numbers << list->topLevelItem(i)->text(3);
  EXPECT_TRUE(numbers.contains(QStringLiteral("TV 5"))) << numbers.join(',').toStdString();
  EXPECT_TRUE(numbers.contains(QStringLiteral("TV 3"))) << numbers.join(',').toStdString();
  EXPECT_FALSE(list->header()->stretchLastSection());
  for (int c = 0; c < list->columnCount(); ++c)
    EXPECT_GE(list->header()->sectionSize(c), static_cast<QAbstractItemView*>(list)->sizeHintForColumn(c)) << c;

  auto activate = [&](const QString& kind) {
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      QTreeWidgetItem* item = list->topLevelItem(i);
      if (item->text(1) == kind) {
        emit list->itemActivated(item, 0);
        return;
      }
    }
    ADD_FAILURE() << "no " << kind.toStdString();
  };
  auto* services = Sheet().findChild<GroupChListView*>(QStringLiteral("serviceList"));
  auto* members = Sheet().findChild<GroupChListView*>(QStringLiteral("groupList"));

  activate(QStringLiteral("list-entry-not-used"));
  EXPECT_EQ(Sheet().currentWidget(), Sheet().GroupChPage());
  EXPECT_EQ(services->CurrentRow(), 4);

  activate(QStringLiteral("empty-name"));
  EXPECT_EQ(services->CurrentRow(), 2);

  activate(QStringLiteral("group-member-duplicate"));
  EXPECT_EQ(Sheet().GroupChPage()->State().CurrentGroup(), 2);
  EXPECT_EQ(members->CurrentRow(), 1);
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
}

TEST_F(ExchangeWindowTest, DoubleClickOnASatelliteProblemSelectsItOnItsPage) {
  auto db = SmallDb();
  db->satellites[1].SetLnbType(5);  // lnb-type-unknown on satellite slot 1
  PutTransponder(*db, 7, 5, 10900);  // transponder-satellite-not-used: no row anywhere
  Start(db.get());
  CCheckDatabaseDlg* dlg = Check();
  ASSERT_NE(dlg, nullptr);
  QTreeWidget* list = dlg->List();
  auto* satellites = Sheet().findChild<SatTPListView*>(QStringLiteral("satelliteList"));
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = list->topLevelItem(i);
    if (item->text(1) == QStringLiteral("lnb-type-unknown")) {
      emit list->itemActivated(item, 0);
      EXPECT_EQ(Sheet().currentWidget(), Sheet().SatTPPage());
      EXPECT_EQ(satellites->SingleSelectedRow(), 1);
      EXPECT_EQ(Sheet().SatTPPage()->State().CurrentSatellite(), 1);
    }
    if (item->text(1) == QStringLiteral("transponder-satellite-not-used")) {
      emit list->itemActivated(item, 0);
      EXPECT_EQ(Prompt::TakeMessages(), QStringList{QStringLiteral("The pages show no row for this record.")});
    }
  }
  // A new database closes the list of the old one's problems.
  Load(*SmallDb());
  QCoreApplication::processEvents();
  EXPECT_EQ(Frame().Exchange().CheckDialog(), nullptr);
}

TEST_F(ExchangeWindowTest, SendAsksOnlyWhenTheCheckFindsErrors) {
  auto db = SmallDb();
  db->programs[0].SetName("");  // a warning only
  Start(db.get());
  bool sendShown = false;
  auto sendDriver = [&](QDialog& d) {
    sendShown = d.objectName() == QStringLiteral("CFileSndDlg");
    d.reject();
    return d.result();
  };
  Prompt::QueueDialog(sendDriver);
  apptest::Trigger(Frame(), "sendToStb");
  EXPECT_TRUE(sendShown);
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());

  // Two errors: asked, and No (the default, as Enter answers) sends nothing.
  PutList(db->channelLists.tvList, {0, 1, 1, 3, 3999});
  Load(*db);
  sendShown = false;
  Prompt::QueueMessageAnswer(QMessageBox::NoButton);
  Prompt::QueueDialog(sendDriver);
  apptest::Trigger(Frame(), "sendToStb");
  EXPECT_FALSE(sendShown);
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{QStringLiteral("The database has 2 errors. Send it anyway?")});

  // Yes goes on to the transfer dialog.
  Prompt::QueueMessageAnswer(QMessageBox::Yes);
  apptest::Trigger(Frame(), "sendToStb");
  EXPECT_TRUE(sendShown);
}

TEST_F(ExchangeWindowTest, OpeningAFileOfAnotherVariantOffersToSwitch) {
  const QString file = SaveAs(*SmallDb(), "typea.qdb", 0);
  CMainFrame& frame = Start();
  ASSERT_EQ(app_->Settings().dbType, dbtype::kDefault);

  // TypeA and TypeB 7 share a layout; the header names TypeA, so that is offered.
  Prompt::QueueMessageAnswer(QMessageBox::No);
  ASSERT_TRUE(frame.OpenDocumentFile(file));
  const QStringList said = Prompt::TakeMessages();
  ASSERT_EQ(said.size(), 1);
  EXPECT_TRUE(said[0].contains(QStringLiteral("do not hold under TypeC"))) << said[0].toStdString();
  EXPECT_TRUE(said[0].contains(QStringLiteral("Switch \"Config Setting\" to TypeA and open it again?")));
  EXPECT_EQ(app_->Settings().dbType, dbtype::kDefault);

  // Enter answers Yes: switched, and the file read again under TypeA.
  Prompt::QueueMessageAnswer(QMessageBox::NoButton);
  ASSERT_TRUE(frame.OpenDocumentFile(file));
  EXPECT_EQ(Prompt::TakeMessages().size(), 1);
  EXPECT_EQ(app_->Settings().dbType, 0);
  EXPECT_EQ(Doc().GetDbType(), 0);
  EXPECT_EQ(TvOrder(Doc()), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_FALSE(Doc().IsModified());

  // A file that fits the type in force says nothing.
  ASSERT_TRUE(frame.OpenDocumentFile(file));
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());

  // TypeB 6 and TypeC carry the same header word: both are named, no switch is offered.
  ASSERT_TRUE(frame.OpenDocumentFile(SaveAs(*SmallDb(), "typec.qdb", dbtype::Index(DbType::TypeC))));
  const QStringList both = Prompt::TakeMessages();
  ASSERT_EQ(both.size(), 1);
  EXPECT_TRUE(both[0].endsWith(QStringLiteral("all hold under TypeB 6 Block Size and TypeC."))) << both[0].toStdString();
  EXPECT_EQ(app_->Settings().dbType, 0);
}

TEST_F(ExchangeWindowTest, CompareWithShowsWhatChangedSinceTheFileByTable) {
  auto db = SmallDb();
  Start(db.get());
  PutList(db->channelLists.tvList, {3, 0, 1, 2});
  db->programs[1].SetName("Zwei");
  PutProgram(*db, 5, "Gone", 0).SetServiceId(6);  // deleted since the file
  const QString file = SaveAs(*db, "other.qdb");

  // By program first, as after a rescan; then record by record.
  QStringList groups[2], lines[2];
  QString summary;
  Prompt::QueueFileName(file);
  Prompt::QueueDialog([&](QDialog& d) {
    auto& dlg = dynamic_cast<CCompareDlg&>(d);
    for (const int by : {CCompareDlg::kByProgram, CCompareDlg::kBySlot}) {
      dlg.ByChoice()->setCurrentIndex(by);
      for (int i = 0; i < dlg.List()->topLevelItemCount(); ++i) {
        QTreeWidgetItem* g = dlg.List()->topLevelItem(i);
        groups[by] << g->text(0);
        for (int j = 0; j < g->childCount(); ++j) lines[by] << g->child(j)->text(0);
      }
    }
    summary = dlg.Summary()->text();
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Compare With other.qdb"));
    d.reject();
    return d.result();
  });
  apptest::Trigger(Frame(), "compareWith");
  // The file is the old side: its values first, the document's after.
  EXPECT_EQ(groups[CCompareDlg::kByProgram], (QStringList{"programs (2)", "tvList (1)"}));
  EXPECT_EQ(lines[CCompareDlg::kByProgram],
            (QStringList{"\"Two\" (Astra 11494 V, SID 2): renamed from \"Zwei\"", "\"Gone\" (Astra 11494 V, SID 6): removed",
                         "TV list: \"Four\" (Hotbird 12111 V, SID 4) moved from No. 1 to No. 4"}));
  EXPECT_EQ(groups[CCompareDlg::kBySlot], (QStringList{"programs (2)", "tvList (1)"}));
  EXPECT_EQ(lines[CCompareDlg::kBySlot],
            (QStringList{"programs 1 \"Two\": name \"Zwei\" -> \"Two\"", "programs 5 \"Gone\": removed",
                         "tvList: program 3 \"Four\" moved from 1 to 4"}));
  EXPECT_EQ(summary, QStringLiteral("3 differences: what changed since other.qdb, grouped by table; a change shows "
                                    "the file's value, then the document's."));
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());

  // A file that is no database is refused as Open refuses it.
  QFile junk(Path("junk.qdb"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write(QByteArray(100, 'x'));
  junk.close();
  Prompt::QueueFileName(Path("junk.qdb"));
  apptest::Trigger(Frame(), "compareWith");
  EXPECT_EQ(Prompt::TakeMessages().size(), 1);
}

// The header goes to the file as it is, so the check lists what in it Open or a
// transfer would refuse, as `quelmar-cli check` does.
TEST_F(ExchangeWindowTest, CheckListsWhatIsWrongInTheHeader) {
  auto db = SmallDb();
  Start();
  ImageHeader header = sample::MakeHeader(dbtype::kDefault);
  header.SetHeaderSum(header.HeaderSum() + 1);
  Doc().LoadDatabase(header, *db);
  CCheckDatabaseDlg* dlg = Check();
  ASSERT_NE(dlg, nullptr);
  QStringList kinds;
  for (int i = 0; i < dlg->List()->topLevelItemCount(); ++i) kinds << dlg->List()->topLevelItem(i)->text(1);
  EXPECT_EQ(kinds, QStringList{QStringLiteral("header-sum-wrong")});
  EXPECT_TRUE(dlg->Summary()->text().startsWith(QStringLiteral("1 error")));
}

// An export over the open database file, under its own name or another, would replace
// the database with its export.
TEST_F(ExchangeWindowTest, ExportOverTheOpenFileIsRefused) {
  auto db = SmallDb();
  const QString file = SaveAs(*db, "open.qdb");
  CMainFrame& frame = Start();
  ASSERT_TRUE(frame.OpenDocumentFile(file));
  const QByteArray bytes = apptest::ReadAll(file);
  ASSERT_TRUE(QFile::link(file, Path("link.csv")));
  for (const QString& chosen : {file, Path("link.csv")}) {
    Prompt::QueueFileName(chosen);
    apptest::Trigger(frame, "exportFile");
    const QStringList said = Prompt::TakeMessages();
    ASSERT_EQ(said.size(), 1) << chosen.toStdString();
    EXPECT_TRUE(said[0].contains(QStringLiteral("is the database file that is open"))) << said[0].toStdString();
    EXPECT_EQ(apptest::ReadAll(file), bytes);
  }
  // Another file is written as before.
  Prompt::QueueFileName(Path("list.csv"));
  apptest::Trigger(frame, "exportFile");
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  EXPECT_TRUE(QFile::exists(Path("list.csv")));
}

TEST_F(ExchangeWindowTest, JsonExportAndImportGiveBackTheSameDatabase) {
  auto db = SmallDb();
  CMainFrame& frame = Start(db.get());
  const QString json = Path("all.json");
  Prompt::QueueFileName(Path("all"));  // the extension is added
  apptest::Trigger(frame, "exportFile");
  ASSERT_TRUE(QFile::exists(json));
  EXPECT_TRUE(apptest::ReadAll(json).startsWith("{"));
  std::vector<std::uint8_t> before(DatabaseImage::kImageSize), after(DatabaseImage::kImageSize);
  ASSERT_EQ(Doc().BuildImage(before.data()), DatabaseImage::kImageSize);

  // Change the document, then import: the export replaces it, in no file yet.
  Load(*EmptyDb());
  Prompt::QueueFileName(json);
  apptest::Trigger(frame, "importFile");
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  ASSERT_EQ(Doc().BuildImage(after.data()), DatabaseImage::kImageSize);
  EXPECT_EQ(before, after);
  EXPECT_TRUE(Doc().IsModified());
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("Untitled[*] - Quelmar"));
  EXPECT_TRUE(frame.DocumentPath().isEmpty());

}

TEST_F(ExchangeWindowTest, JsonImportOfAnotherVariantSwitchesWhenAsked) {
  const int typeA = dbtype::Index(DbType::TypeA);
  CMainFrame& frame = Start(SmallDb().get(), typeA);
  ASSERT_EQ(app_->Settings().dbType, typeA);
  Prompt::QueueFileName(Path("a.json"));
  apptest::Trigger(frame, "exportFile");
  Load(*EmptyDb());

  Prompt::QueueFileName(Path("a.json"));
  Prompt::QueueMessageAnswer(QMessageBox::No);
  apptest::Trigger(frame, "importFile");
  EXPECT_EQ(Prompt::TakeMessages().size(), 1);
  EXPECT_TRUE(TvOrder(Doc()).empty());
  EXPECT_EQ(app_->Settings().dbType, dbtype::kDefault);

  Prompt::QueueFileName(Path("a.json"));
  Prompt::QueueMessageAnswer(QMessageBox::Yes);
  apptest::Trigger(frame, "importFile");
  EXPECT_EQ(app_->Settings().dbType, typeA);
  EXPECT_EQ(TvOrder(Doc()), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(ExchangeWindowTest, CsvExportReorderedAndImportedMovesTheList) {
  CMainFrame& frame = Start(SmallDb().get());
  const QString csv = Path("list.csv");
  Prompt::QueueFileName(csv);
  apptest::Trigger(frame, "exportFile");
  EXPECT_EQ(frame.MessagePane()->text(), QStringLiteral("Exported 5 programs to ") + QDir::toNativeSeparators(csv));
  QList<QByteArray> rows = apptest::ReadAll(csv).split('\n');
  // Header, TV 1-4, radio 1, and the empty piece after the last line break.
  ASSERT_EQ(rows.size(), 7);
  EXPECT_TRUE(rows[1].startsWith("TV,1,One,"));
  std::swap(rows[1], rows[4]);  // Four first, One last
  rows.insert(6, QByteArray("TV,5,Ghost,Nowhere,10000,Hor,27500,99,0,0,0,0,0,no,"));  // line 7 matches nothing
  WriteFile(csv, rows.join('\n'));
  Doc().SetModifiedFlag(false);

  // Asked first, names not taken unless ticked; Cancel changes nothing.
  Prompt::QueueFileName(csv);
  apptest::Trigger(frame, "importFile");
  EXPECT_EQ(TvOrder(Doc()), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_FALSE(Doc().IsModified());
  // The user imports from the page he arranges the lists on, and stays there.
  Sheet().setCurrentWidget(Sheet().GroupChPage());
  CMainSheet* const sheet = &Sheet();
  Prompt::QueueFileName(csv);
  Prompt::QueueDialog([](QDialog& d) {
    auto* take = d.findChild<QCheckBox*>(QStringLiteral("takeNames"));
    EXPECT_TRUE(take && !take->isChecked() && take->accessibleName() == QStringLiteral("Also take the names"));
    d.accept();
    return d.result();
  });
  apptest::Trigger(frame, "importFile");
  EXPECT_EQ(&Sheet(), sheet);
  EXPECT_EQ(Sheet().currentWidget(), static_cast<QWidget*>(Sheet().GroupChPage()));
  EXPECT_EQ(TvOrder(Doc()), (std::vector<int>{3, 1, 2, 0}));
  EXPECT_TRUE(Doc().IsModified());
  // One report: the count, then each row that matched nothing with its line.
  const QStringList said = Prompt::TakeMessages();
  ASSERT_EQ(said.size(), 1);
  EXPECT_TRUE(said[0].startsWith(QStringLiteral("5 of 6 rows matched"))) << said[0].toStdString();
  EXPECT_TRUE(said[0].contains(QStringLiteral("line 7: no program matches \"Ghost\""))) << said[0].toStdString();
  // The page shows the new order.
  auto* services = Sheet().findChild<GroupChListView*>(QStringLiteral("serviceList"));
  ASSERT_GT(services->RowCount(), 0);
  EXPECT_TRUE(services->RowText(0).contains(QStringLiteral("Four")));
  // One step in the Edit menu, named after the file.
  EXPECT_EQ(apptest::Action(frame, "editUndo")->text(), QStringLiteral("&Undo Import [list.csv]"));
}

TEST_F(ExchangeWindowTest, CommandsWithoutADatabaseSaySo) {
  CMainFrame& frame = Start();
  apptest::Trigger(frame, "checkDatabase");
  apptest::Trigger(frame, "compareWith");
  apptest::Trigger(frame, "exportFile");
  EXPECT_EQ(Prompt::TakeMessages().size(), 3);
  EXPECT_EQ(frame.Exchange().CheckDialog(), nullptr);
  QFile csv(Path("l.csv"));
  ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
  csv.write(QByteArray(channelcsv::kColumns[0].data()) + "\n");
  csv.close();
  Prompt::QueueFileName(Path("l.csv"));
  apptest::Trigger(frame, "importFile");
  EXPECT_EQ(Prompt::TakeMessages(),
            QStringList{QStringLiteral("A channel list applies to a database: open or receive one before importing it.")});
}

// The name "Export…" proposes is never one already taken beside the document.
TEST_F(ExchangeWindowTest, ExportProposesANameNotTakenYet) {
  const QString doc = Path("demo.qdb");
  const struct {
    QStringList taken;
    const char* proposed;
  } cases[] = {
      {{}, "demo.json"},
      {{"demo.json"}, "demo-2.json"},
      {{"demo.json", "demo-2.json"}, "demo-3.json"},
      {{"demo-2.json"}, "demo.json"},
  };
  for (const auto& c : cases) {
    for (const char* name : {"demo.json", "demo-2.json", "demo-3.json"}) QFile::remove(Path(name));
    for (const QString& name : c.taken) {
      QFile f(Path(qPrintable(name)));
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(exportname::Proposed(doc, QStringLiteral("demo.qdb"), QStringLiteral("json")), Path(c.proposed))
        << c.taken.join(QLatin1Char(' ')).toStdString();
  }
  // A document in no file yet takes its title, in the current folder.
  EXPECT_EQ(QFileInfo(exportname::Proposed(QString(), QStringLiteral("Untitled"), QStringLiteral("csv"))).fileName(),
            QStringLiteral("Untitled.csv"));
}

// A TypeA export with a header the editor refuses, imported while a TypeC file is open
// and with "Yes" to switching: refused before the question, the setting stays, and the
// open file saves back as it was.
TEST_F(ExchangeWindowTest, RefusedJsonImportSwitchesNoVariant) {
  CMainFrame& frame = Start();
  const QString open = SaveAs(*SmallDb(), "open.qdb");
  ASSERT_TRUE(frame.OpenDocumentFile(open));
  const QByteArray was = apptest::ReadAll(open);

  CQuelmarDoc typeA;
  typeA.SetDbType(dbtype::Index(DbType::TypeA));
  typeA.LoadDatabase(sample::MakeHeader(dbtype::Index(DbType::TypeA)), *SmallDb());
  std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
  ASSERT_EQ(typeA.BuildImage(image.data()), DatabaseImage::kImageSize);
  imagejson::Json j = imagejson::Export(image.data(), dbtype::Index(DbType::TypeA));
  j["header"]["magic"] = 0;
  WriteFile(Path("a.json"), QByteArray::fromStdString(imagejson::Dump(j)));

  Prompt::QueueFileName(Path("a.json"));
  Prompt::QueueMessageAnswer(QMessageBox::Yes);
  apptest::Trigger(frame, "importFile");
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{QStringLiteral("a.json was not imported: $.header: Invalid Magic Number")});
  EXPECT_EQ(app_->Settings().dbType, dbtype::kDefault);
  EXPECT_EQ(Doc().GetDbType(), dbtype::kDefault);
  EXPECT_FALSE(Doc().IsModified());
  Doc().SetModifiedFlag(true);
  apptest::Trigger(frame, "fileSave");
  EXPECT_EQ(apptest::ReadAll(open), was);

  // A .json whose text is no export of ours is refused as JSON, not read as a list.
  WriteFile(Path("list.json"), "[1, 2]");
  Prompt::QueueFileName(Path("list.json"));
  apptest::Trigger(frame, "importFile");
  const QStringList shown = Prompt::TakeMessages();
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].startsWith(QStringLiteral("list.json was not imported: $: expected an object"))) << shown[0].toStdString();
}

// "Also take the names" ticked in the import's question renames the program.
TEST_F(ExchangeWindowTest, CsvImportTakesTheNamesWhenTicked) {
  CMainFrame& frame = Start(SmallDb().get());
  Prompt::QueueFileName(Path("n.csv"));
  apptest::Trigger(frame, "exportFile");
  WriteFile(Path("n.csv"), apptest::ReadAll(Path("n.csv")).replace("TV,1,One,", "TV,1,Uno,"));
  Prompt::QueueFileName(Path("n.csv"));
  Prompt::QueueDialog([](QDialog& d) {
    d.findChild<QCheckBox*>(QStringLiteral("takeNames"))->setChecked(true);
    return Accept(d);
  });
  apptest::Trigger(frame, "importFile");
  EXPECT_EQ(Doc().Working().programs[0].Name(), "Uno");
  const QStringList said = Prompt::TakeMessages();
  ASSERT_EQ(said.size(), 1);
  EXPECT_TRUE(said[0].contains(QString::fromUtf8("program 0 renamed: \"One\" \u2192 \"Uno\""))) << said[0].toStdString();
}

// A double-click on a line about a program of the document selects it on the
// Group/Channel page; headings, other records and programs removed since do nothing.
TEST_F(ExchangeWindowTest, DoubleClickOnACompareLineSelectsItsProgram) {
  auto db = SmallDb();
  Start(db.get());
  PutList(db->channelLists.tvList, {3, 0, 1, 2});
  db->programs[1].SetName("Zwei");
  PutProgram(*db, 5, "Gone", 0).SetServiceId(6);
  const QString file = SaveAs(*db, "other.qdb");
  Sheet().setCurrentWidget(Sheet().SatTPPage());
  auto* services = Sheet().findChild<GroupChListView*>(QStringLiteral("serviceList"));

  const struct {
    int by;
    const char* line;
    int row;  // selected in the TV list; -1: the page stays as it was
  } cases[] = {
      {CCompareDlg::kByProgram, "programs (2)", -1},
      {CCompareDlg::kByProgram, "\"Gone\" (Astra 11494 V, SID 6): removed", -1},
      {CCompareDlg::kByProgram, "\"Two\" (Astra 11494 V, SID 2): renamed from \"Zwei\"", 1},
      {CCompareDlg::kByProgram, "TV list: \"Four\" (Hotbird 12111 V, SID 4) moved from No. 1 to No. 4", 3},
      {CCompareDlg::kBySlot, "programs 5 \"Gone\": removed", -1},
      {CCompareDlg::kBySlot, "programs 1 \"Two\": name \"Zwei\" -> \"Two\"", 1},
      {CCompareDlg::kBySlot, "tvList: program 3 \"Four\" moved from 1 to 4", 3},
  };
  Prompt::QueueFileName(file);
  Prompt::QueueDialog([&](QDialog& d) {
    auto& dlg = dynamic_cast<CCompareDlg&>(d);
    for (const auto& c : cases) {
      SCOPED_TRACE(c.line);
      dlg.ByChoice()->setCurrentIndex(c.by);
      const auto found = dlg.List()->findItems(QString::fromUtf8(c.line), Qt::MatchExactly | Qt::MatchRecursive);
      if (found.size() != 1) {
        ADD_FAILURE() << "no such line";
        continue;
      }
      QWidget* const page = Sheet().currentWidget();
      const int row = services->CurrentRow();
      emit dlg.List()->itemActivated(found[0], 0);
      if (c.row < 0) {
        EXPECT_EQ(Sheet().currentWidget(), page);
        EXPECT_EQ(services->CurrentRow(), row);
      } else {
        EXPECT_EQ(Sheet().currentWidget(), static_cast<QWidget*>(Sheet().GroupChPage()));
        EXPECT_EQ(services->CurrentRow(), c.row);
      }
      EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
    }
    d.reject();
    return d.result();
  });
  apptest::Trigger(Frame(), "compareWith");
}

// File > "Apply Order From Database…": the programs the reference lacked are marked New
// inside the one step, so its notice finds them marked, also when the lists are in the
// reference's order already; the reference is read under its own variant; refusals and a
// cancel change nothing; File > New and Open clear the marks; the CSV apply sets them too.
TEST_F(ExchangeWindowTest, ApplyOrderFromDatabaseMarksWhatTheReferenceLacked) {
  CMainFrame& frame = Start();
  apptest::Trigger(frame, "applyOrder");
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{QStringLiteral(
                                        "A reference database applies to a database: open or receive one before "
                                        "applying it.")});

  const QString open = SaveAs(*SmallDb(), "open.qdb");
  ASSERT_TRUE(frame.OpenDocumentFile(open));
  auto ref = SmallDb();
  PutList(ref->channelLists.tvList, {3, 1, 0});  // "Three" came with a rescan since
  const QString reference = SaveAs(*ref, "old.qdb", dbtype::Index(DbType::TypeA));
  QFile junk(Path("junk.qdb"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write(QByteArray(100, 'x'));
  junk.close();

  // What the lists hear: whether program 2 is marked when the notice comes.
  struct MarksHeard : DocListener {
    explicit MarksHeard(const CQuelmarDoc& d) : doc(d) {}
    void OnDocChanged(const DocChange&) override { heard.push_back(doc.Marks().Has(2)); }
    const CQuelmarDoc& doc;
    std::vector<bool> heard;
  } listener(Doc());
  Doc().Listen(&listener);

  // Cancelled, then a file that is no database: nothing changes.
  apptest::Trigger(frame, "applyOrder");
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  Prompt::QueueFileName(Path("junk.qdb"));
  apptest::Trigger(frame, "applyOrder");
  const QStringList refused = Prompt::TakeMessages();
  ASSERT_EQ(refused.size(), 1);
  EXPECT_TRUE(refused[0].startsWith(QStringLiteral("junk.qdb was not applied: "))) << refused[0].toStdString();
  EXPECT_EQ(TvOrder(Doc()), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_TRUE(Doc().Marks().Empty());
  EXPECT_EQ(Stack().count(), 0);
  EXPECT_FALSE(Doc().IsModified());

  Prompt::QueueFileName(reference);
  Prompt::QueueDialog(Accept);
  apptest::Trigger(frame, "applyOrder");
  EXPECT_EQ(TvOrder(Doc()), (std::vector<int>{3, 1, 0, 2}));
  EXPECT_EQ(Doc().Marks().Count(), 1);
  EXPECT_TRUE(Doc().Marks().Has(2));
  EXPECT_EQ(listener.heard, std::vector<bool>{true});
  EXPECT_EQ(Stack().count(), 1);
  EXPECT_EQ(Prompt::TakeMessages().size(), 1);
  // The marks go with the step's undo and come back with its redo.
  Stack().undo();
  EXPECT_TRUE(Doc().Marks().Empty());
  EXPECT_EQ(listener.heard.back(), false);
  Stack().redo();
  EXPECT_TRUE(Doc().Marks().Has(2));
  EXPECT_EQ(listener.heard.back(), true);

  // File > New keeps the database but not the marks; the same reference again changes
  // nothing and marks all the same.
  Prompt::QueueMessageAnswer(QMessageBox::No);
  apptest::Trigger(frame, "fileNew");
  EXPECT_TRUE(Doc().Marks().Empty());
  Prompt::TakeMessages();
  Prompt::QueueFileName(reference);
  Prompt::QueueDialog(Accept);
  apptest::Trigger(frame, "applyOrder");
  EXPECT_TRUE(Doc().Marks().Has(2));
  EXPECT_EQ(Stack().count(), 0);
  EXPECT_EQ(Prompt::TakeMessages().size(), 1);
  ASSERT_TRUE(frame.OpenDocumentFile(open));
  EXPECT_TRUE(Doc().Marks().Empty());

  // The CSV apply: a list without "Two".
  const QString csv = Path("list.csv");
  Prompt::QueueFileName(csv);
  apptest::Trigger(frame, "exportFile");
  QList<QByteArray> rows = apptest::ReadAll(csv).split('\n');
  ASSERT_TRUE(rows[2].startsWith("TV,2,Two,"));
  rows.removeAt(2);
  WriteFile(csv, rows.join('\n'));
  Prompt::QueueFileName(csv);
  Prompt::QueueDialog(Accept);
  apptest::Trigger(frame, "importFile");
  EXPECT_EQ(Doc().Marks().Count(), 1);
  EXPECT_TRUE(Doc().Marks().Has(1));
  Doc().Unlisten(&listener);
}

// A rescan cleared the locks the reference holds: the apply takes them back unless the
// box says no, and the names only when asked; the boxes are offered as last left, and
// the report says what was taken.
TEST_F(ExchangeWindowTest, ApplyOrderTakesTheLocksAndWhatTheBoxesSay) {
  CMainFrame& frame = Start();
  ASSERT_TRUE(frame.OpenDocumentFile(SaveAs(*SmallDb(), "open.qdb")));
  auto ref = SmallDb();
  for (int p : {0, 2, 4}) ref->programs[std::size_t(p)].SetLocked(true);
  ref->programs[1].SetName("Zwei");
  const QString reference = SaveAs(*ref, "old.qdb");
  const struct {
    bool offeredLocks, offeredNames;  // as the dialog opens
    bool takeLocks, takeNames;        // as the user leaves it
    int locked;
    const char* name1;
    const char* said;
  } applies[] = {
      {true, false, true, true, 3, "Zwei", "taken from the reference: 3 locks, 1 names"},
      {true, true, false, true, 0, "Zwei", "taken from the reference: 1 names; the locks kept"},
      {false, true, true, false, 3, "Two", "taken from the reference: 3 locks; the names kept"},
  };
  for (const auto& a : applies) {
    SCOPED_TRACE(a.said);
    ASSERT_TRUE(frame.OpenDocumentFile(Path("open.qdb")));
    Prompt::QueueFileName(reference);
    Prompt::QueueDialog([&a](QDialog& d) {
      auto* locks = d.findChild<QCheckBox*>(QStringLiteral("takeLocks"));
      auto* names = d.findChild<QCheckBox*>(QStringLiteral("takeNames"));
      EXPECT_EQ(locks->isChecked(), a.offeredLocks);
      EXPECT_EQ(names->isChecked(), a.offeredNames);
      locks->setChecked(a.takeLocks);
      names->setChecked(a.takeNames);
      return Accept(d);
    });
    apptest::Trigger(frame, "applyOrder");
    int locked = 0;
    for (int p = 0; p < 5; ++p) locked += Doc().Working().programs[std::size_t(p)].Locked() ? 1 : 0;
    EXPECT_EQ(locked, a.locked);
    EXPECT_EQ(Doc().Working().programs[1].Name(), a.name1);
    const QStringList said = Prompt::TakeMessages();
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains(QString::fromLatin1(a.said))) << said[0].toStdString();
    EXPECT_TRUE(said[0].startsWith(QStringLiteral("TV list: "))) << said[0].toStdString();
    EXPECT_EQ(Stack().count(), 1);
  }
}
