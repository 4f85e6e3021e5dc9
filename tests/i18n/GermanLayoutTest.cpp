// The window in German, whose texts run about a third longer than the English: no
// caption, button, column or tab is cut, on either page at the size the window opens at
// and maximised, or in any dialog of the program, and no two items of a menu share an
// accelerator. ctest runs it once more on a 1920x1080 screen at twice the scale
// (test_i18n_scale2).
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QMenuBar>
#include <QSet>
#include <QTreeWidget>

#include "GermanTest.h"
#include "app/RecoveryChoiceDlg.h"
#include "TextFit.h"
#include "db/exchange/DatabaseDiff.h"
#include "link/LinkTexts.h"
#include "ui/channels/GroupChListView.h"
#include "ui/tools/CApplyListDlg.h"
#include "ui/tools/CApplyOrderDlg.h"
#include "ui/tools/CCompareDlg.h"
#include "ui/transfer/CFileRcvDlg.h"
#include "ui/transfer/CFileSndDlg.h"
#include "ui/transfer/LinkSettings.h"
#include "widgets/Texts.h"

namespace {

class GermanLayout : public i18ntest::GermanTest {
 protected:
  CQuelmarApp& Start() {
    const QString demo = Path("demo.qdb");
    apptest::WriteSample(demo);
    app_ = std::make_unique<CQuelmarApp>();
    EXPECT_TRUE(app_->InitInstance({demo}));
    return *app_;
  }
  // Notes what of a dialog is cut or English.
  void Check(QDialog& d, const QString& what) {
    checked_ << d.objectName();
    for (const QString& f : i18ntest::CutTexts(d) + i18ntest::EnglishTexts(d)) faults_ << what + QStringLiteral(": ") + f;
  }
  // Shows the dialog the command opens and checks it.
  void CheckDialog(const char* command) {
    bool shown = false;
    Prompt::QueueDialog([&](QDialog& d) {
      shown = true;
      Check(d, QString::fromLatin1(command));
      d.reject();
      return d.result();
    });
    apptest::Trigger(*app_->MainFrame(), command);
    EXPECT_TRUE(shown) << command;
    Prompt::Reset();
  }

  std::unique_ptr<CQuelmarApp> app_;
  QStringList faults_;
  QSet<QString> checked_;  // the dialogs checked, by their object names
};

TEST_F(GermanLayout, TheWindowSpeaksGerman) {
  CMainFrame& frame = *Start().MainFrame();
  QStringList titles;
  for (QAction* a : frame.menuBar()->actions()) titles << a->text();
  EXPECT_EQ(titles, (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "&Empfangen/Senden", "E&xtras", "&Hilfe"}));
  EXPECT_EQ(frame.MessagePane()->text(), QStringLiteral("Bereit"));
}

TEST_F(GermanLayout, NothingOnThePagesIsCut) {
  CMainFrame& frame = *Start().MainFrame();
  CMainSheet* sheet = frame.View()->Sheet();
  ASSERT_NE(sheet, nullptr);
  for (const bool maximised : {false, true}) {
    if (maximised) frame.showMaximized();
    for (int page = 0; page < sheet->count(); ++page) {
      sheet->setCurrentIndex(page);
      QApplication::processEvents();
      faults_ << i18ntest::CutTexts(frame) << i18ntest::EnglishTexts(frame);
    }
  }
  EXPECT_TRUE(faults_.isEmpty()) << faults_.join(QLatin1Char('\n')).toStdString();
}

// No menu item shows an English text the catalogue has German for, as one made without
// the translation in force would.
TEST_F(GermanLayout, NoMenuSharesAnAcceleratorOrStaysEnglish) {
  CMainFrame& frame = *Start().MainFrame();
  faults_ << i18ntest::SharedAccelerators(frame.menuBar()->actions());
  QList<QMenu*> menus;
  for (QAction* a : frame.menuBar()->actions())
    if (a->menu()) menus << a->menu();
  for (int i = 0; i < menus.size(); ++i) {
    faults_ << i18ntest::SharedAccelerators(menus[i]->actions());
    for (QAction* a : menus[i]->actions()) {
      if (a->menu()) menus << a->menu();
      // The item, and what the status bar says while it is highlighted.
      for (const QString& shown : {a->text().section(QLatin1Char('\t'), 0, 0), a->statusTip(), a->toolTip()})
        if (!Texts::Translated(shown.toUtf8().constData()).isNull()) faults_ << shown + QStringLiteral(" is English");
    }
  }
  EXPECT_GT(menus.size(), 6);
  EXPECT_TRUE(faults_.isEmpty()) << faults_.join(QLatin1Char('\n')).toStdString();
}

TEST_F(GermanLayout, NothingInTheDialogsIsCut) {
  CMainFrame& frame = *Start().MainFrame();
  CMainSheet* sheet = frame.View()->Sheet();
  ASSERT_NE(sheet, nullptr);
  for (const char* command : {"configSetting", "appAbout", "openReceived", "findDuplicates"}) CheckDialog(command);
  // The transponder list's dialog, with a satellite of the demo matched.
  QFile list(Path("satellites.xml"));
  ASSERT_TRUE(list.open(QIODevice::WriteOnly));
  list.write("<satellites><sat name=\"19.2E Astra\" position=\"192\">"
             "<transponder frequency=\"10714250\" symbol_rate=\"22000000\" polarization=\"0\"/></sat></satellites>");
  list.close();
  Prompt::QueueFileName(list.fileName());
  CheckDialog("updateTransponders");
  sheet->setCurrentIndex(0);
  for (const char* command : {"addSatellite", "addTransponder"}) CheckDialog(command);
  // "Edit Transponder" holds the values of the sample's first transponder.
  auto* transponders = sheet->currentWidget()->findChild<QTreeWidget*>(QStringLiteral("transponderList"));
  ASSERT_NE(transponders, nullptr);
  transponders->setCurrentItem(transponders->topLevelItem(0));
  CheckDialog("editTransponder");
  sheet->setCurrentIndex(1);
  if (auto* list = sheet->currentWidget()->findChild<GroupChListView*>(QStringLiteral("serviceList")))
    list->SetCurrentRow(0);
  CheckDialog("moveTo");
  CheckDialog("addProgram");
  // "Check Database" stays open beside the pages.
  apptest::Trigger(frame, "checkDatabase");
  int checks = 0;
  for (QDialog* d : frame.findChildren<QDialog*>()) {
    if (!d->isVisible()) continue;
    ++checks;
    Check(*d, QStringLiteral("checkDatabase"));
    d->close();
  }
  EXPECT_EQ(checks, 1);

  // The transfer dialogs, their status line holding the longest state the engines name.
  CQuelmarDoc doc;
  LinkSettings settings;
  CFileRcvDlg rcv(settings);  // not shown: no transfer starts
  CFileSndDlg snd(settings, doc);
  QString longest;
  for (const char* status : LinkTexts::kRxStatus)
    if (status && Texts::Q(status).size() > longest.size()) longest = Texts::Q(status);
  for (const char* status : LinkTexts::kTxStatus)
    if (status && Texts::Q(status).size() > longest.size()) longest = Texts::Q(status);
  for (QDialog* d : {static_cast<QDialog*>(&rcv), static_cast<QDialog*>(&snd)}) {
    QLabel* status = d->findChild<QLabel*>(QStringLiteral("status"));
    ASSERT_NE(status, nullptr);
    status->setText(longest);
  }
  Check(rcv, QStringLiteral("receive"));
  Check(snd, QStringLiteral("send"));

  // "Compare With…" holding a line of each kind: its headings and summary are German.
  dbdiff::Result diff;
  for (dbdiff::ChangeKind kind : {dbdiff::ChangeKind::Added, dbdiff::ChangeKind::Changed, dbdiff::ChangeKind::Moved}) {
    dbdiff::Change c;
    c.table = "favoriteGroups", c.slot = 3, c.label = "Nachrichten", c.kind = kind;
    c.field = "name", c.newValue = "Nachrichten";
    c.program = 12, c.programName = "tagesschau24", c.from = 4, c.to = 0;
    diff.changes.push_back(c);
  }
  // By program, the window's first choice: a program's line and a group's.
  progdiff::Result byProgram;
  for (progdiff::ChangeKind kind : {progdiff::ChangeKind::Renamed, progdiff::ChangeKind::Moved,
                                    progdiff::ChangeKind::GroupRenamed}) {
    progdiff::Change c;
    c.kind = kind, c.table = "favoriteGroups", c.group = 3, c.groupName = "Nachrichten";
    c.program = {"tagesschau24", "Meridian 19.2E", 11494, true, 28721};
    c.oldValue = "tagesschau", c.from = 4, c.to = 0;
    byProgram.changes.push_back(c);
  }
  CCompareDlg compare(byProgram, diff, QStringLiteral("sicherung-2026-12-10.qdb"), &frame);
  compare.show();
  QApplication::processEvents();
  Check(compare, QStringLiteral("compareWith"));
  CApplyListDlg apply(QStringLiteral("sender-reihenfolge-2026.csv"), 1200, &frame);
  apply.show();
  QApplication::processEvents();
  Check(apply, QStringLiteral("importFile"));
  CApplyOrderDlg order(QStringLiteral("sicherung-2026-12-10.qdb"), true, false, &frame);
  order.show();
  QApplication::processEvents();
  Check(order, QStringLiteral("applyOrder"));
  RecoveryChoiceDlg recovery({QStringLiteral("kanalliste-wohnzimmer.qdb, 10.12.26 21:14"),
                              QStringLiteral("eine unbenannte Datenbank, 09.12.26 08:02")},
                             &frame);
  recovery.show();
  QApplication::processEvents();
  Check(recovery, QStringLiteral("recovery"));
  EXPECT_TRUE(faults_.isEmpty()) << faults_.join(QLatin1Char('\n')).toStdString();
  // Every dialog of the program was looked at.
  EXPECT_EQ(checked_, (QSet<QString>{"CCOMPortDlg", "CAboutDlg", "CReceivedDlg", "CFindDuplicatesDlg", "CInputName",
                                     "CTPEditDlg", "CMoveToDlg", "CProgramEditDlg", "CCheckDatabaseDlg", "CFileRcvDlg",
                                     "CFileSndDlg", "CCompareDlg", "CApplyListDlg", "CApplyOrderDlg",
                                     "CUpdateTranspondersDlg", "RecoveryChoiceDlg"}));
}

TEST_F(GermanLayout, NothingInTheMessageBoxesIsCut) {
  CMainFrame& frame = *Start().MainFrame();
  QStringList seen;
  Prompt::InspectMessages([&](QMessageBox& box) {
    QApplication::processEvents();
    seen << box.text();
    for (const QString& f : i18ntest::CutTexts(box) + i18ntest::EnglishTexts(box))
      faults_ << box.text().left(40) + QStringLiteral(": ") + f;
  });
  // A refused import names the file and the line; the question before leaving changes
  // has three buttons.
  const QString csv = Path("sender-liste-aus-dem-netz.csv");
  QFile file(csv);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("list;name;satellite\nTV;Das Erste;Astra\n");
  file.close();
  Prompt::QueueFileName(csv);
  apptest::Trigger(frame, "importFile");
  app_->Doc().SetModifiedFlag(true);
  apptest::Trigger(frame, "fileNew");
  ASSERT_EQ(seen.size(), 2) << seen.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(seen[1].startsWith(QStringLiteral("Änderungen an"))) << seen[1].toStdString();
  EXPECT_TRUE(faults_.isEmpty()) << faults_.join(QLatin1Char('\n')).toStdString();
}

}  // namespace

namespace {

// The same measure of the window in English, as it always was: what the German walk
// finds is the German texts', not the measure's.
class EnglishLayout : public apptest::AppTest {};

TEST_F(EnglishLayout, NothingOnThePagesOrInTheTransferDialogsIsCut) {
  const QString demo = Path("demo.qdb");
  apptest::WriteSample(demo);
  CQuelmarApp app;
  ASSERT_TRUE(app.InitInstance({demo}));
  CMainFrame& frame = *app.MainFrame();
  CMainSheet* sheet = frame.View()->Sheet();
  ASSERT_NE(sheet, nullptr);
  QStringList faults;
  for (int page = 0; page < sheet->count(); ++page) {
    sheet->setCurrentIndex(page);
    QApplication::processEvents();
    faults << i18ntest::CutTexts(frame);
  }
  CQuelmarDoc doc;
  LinkSettings settings;
  CFileRcvDlg rcv(settings);
  CFileSndDlg snd(settings, doc);
  faults << i18ntest::CutTexts(rcv) << i18ntest::CutTexts(snd);
  EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
