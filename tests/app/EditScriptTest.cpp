// The fixed edit script of tests/support/EditScript.h, given through the window as a
// user would: commands, the dialogs' fields, list rows, buttons and a mouse drag. The
// file the window then saves must be the one the script has always given.
#include <cstring>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>
#include <QWindow>
#include <QtTest/QTest>

#include "AppTestSupport.h"
#include "support/EditScript.h"
#include "support/PageTest.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/CProgramEditDlg.h"
#include "ui/channels/GroupChListView.h"
#include "ui/satellites/CPageSatTP.h"
#include "ui/satellites/CTPEditDlg.h"
#include "ui/satellites/SatTPListView.h"
#include "widgets/CInputName.h"
#include "widgets/Texts.h"

namespace {

namespace S = editscript;
using testkit::Child;

using Texts::Q;
QString N(std::uint32_t n) { return QString::number(n); }

void AnswerTransponder(std::uint32_t frequency, std::uint32_t symbolRate, std::uint32_t polarization) {
  testkit::AnswerDialog<CTPEditDlg>([=](CTPEditDlg& dlg) {
    dlg.FrequencyEdit()->setText(N(frequency));
    dlg.SymbolRateEdit()->setText(N(symbolRate));
    dlg.PolarizationList()->setCurrentIndex(int(polarization));
  });
}

// Types a program's fields into the Info area or the "Program Info" dialog.
void TypeProgram(QWidget& w, const S::ProgramEntry& e) {
  Child<QLineEdit>(w, "name")->setText(Q(e.name));
  Child<QCheckBox>(w, "lock")->setChecked(e.locked);
  Child<QLineEdit>(w, "videoPid")->setText(N(e.videoPid));
  Child<QLineEdit>(w, "audioPid")->setText(N(e.audioPid));
  Child<QLineEdit>(w, "pcrPid")->setText(N(e.pcrPid));
  Child<QLineEdit>(w, "ttextPid")->setText(N(e.ttextPid));
  Child<QLineEdit>(w, "pmt")->setText(N(e.pmtPid));
  Child<QLineEdit>(w, "serviceId")->setText(N(e.serviceId));
}

// "Program Info": picks the satellite and transponder rows (-1 keeps the preselection).
void AnswerProgram(const S::ProgramEntry& e, int satelliteRow, int transponderRow) {
  testkit::AnswerDialog<CProgramEditDlg>([=](CProgramEditDlg& d) {
    if (satelliteRow >= 0) Child<QComboBox>(d, "satellite")->setCurrentIndex(satelliteRow);
    if (transponderRow >= 0) Child<QComboBox>(d, "transponder")->setCurrentIndex(transponderRow);
    Child<QComboBox>(d, "type")->setCurrentIndex(e.type);
    TypeProgram(d, e);
  });
}

class EditScriptTest : public apptest::WindowTest {
 protected:
  // Writes the start database laid out for the DbType, opens it in a fresh window.
  void Start(int dbType) {
    dbType_ = dbType;
    const QString start = Path("start.qdb");
    auto db = std::make_unique<ChannelDatabase>();
    S::BuildStart(*db);
    apptest::WriteDatabase(start, *db, dbType);
    frame_ = &WindowTest::Start();
    AppSettings settings = app_->Settings();
    settings.dbType = dbType;
    app_->SetSettings(settings);
    ASSERT_TRUE(frame_->OpenDocumentFile(start));
    sheet_ = frame_->View()->Sheet();
    ASSERT_NE(sheet_, nullptr);
  }

  void Command(const char* name) { apptest::Trigger(*frame_, name); }

  void RunSatTPSteps() {
    CPageSatTP& page = *sheet_->SatTPPage();
    auto* sats = Child<SatTPListView>(page, "satelliteList");
    auto* tps = Child<SatTPListView>(page, "transponderList");
    auto select = [](QTreeWidget* list, int row) { list->setCurrentItem(list->topLevelItem(row)); };

    testkit::AnswerName(Q(S::kNewSatellite));
    Command("addSatellite");
    testkit::AnswerName(Q(S::kRevivedSatellite));
    Command("addSatellite");

    select(sats, S::kInfoSatellite);
    Child<QCheckBox>(page, "tone22k")->setChecked(S::kSatInfoTone22k);
    Child<QCheckBox>(page, "motor")->setChecked(S::kSatInfoMotor);
    Child<QCheckBox>(page, "selected")->setChecked(S::kSatInfoSelected);
    Child<QComboBox>(page, "lnbPower")->setCurrentIndex(S::kSatInfoLnbPower);
    Child<QComboBox>(page, "diseqcPort")->setCurrentIndex(S::kSatInfoDiseqcPort);
    Child<QLineEdit>(page, "name")->setText(Q(S::kSatInfoName));
    Child<QLineEdit>(page, "lnbFreqHigh")->setText(N(S::Stored16(S::kSatInfoLnbFreqHigh)));
    Child<QLineEdit>(page, "lnbFreqLow")->setText(N(S::Stored16(S::kSatInfoLnbFreqLow)));
    Child<QPushButton>(page, "update")->click();

    AnswerTransponder(S::kNewTpFrequency, S::kNewTpSymbolRate, S::kNewTpPolarization);
    Command("addTransponder");
    select(tps, 2);
    ASSERT_EQ(page.State().transponderRows[2], S::kEditedTp);
    AnswerTransponder(S::kEditTpFrequency, S::kEditTpSymbolRate, S::kEditTpPolarization);
    Command("editTransponder");
    select(tps, 0);
    ASSERT_EQ(page.State().transponderRows[0], S::kDeletedTp);
    Command("deleteTransponder");

    select(sats, S::kDeletedSatellite);
    Command("deleteSatellite");
  }

  void RunGroupChSteps() {
    sheet_->setCurrentIndex(1);
    CPageGroupCh& page = *sheet_->GroupChPage();
    auto* services = Child<GroupChListView>(page, "serviceList");
    auto* favorites = Child<GroupChListView>(page, "groupList");
    auto* groups = Child<QComboBox>(page, "groupCombo");

    services->SetCurrentRow(S::kDeletedProgram);
    Command("deleteProgram");

    AnswerProgram(S::AsStored(S::kAddedTv, dbType_), 2, 1);
    Command("addProgram");
    AnswerProgram(S::AsStored(S::kAddedRadio, dbType_), -1, -1);
    Command("addProgram");

    services->SetCurrentRow(S::kInfoProgram);
    TypeProgram(page, S::AsStored(S::kInfo, dbType_));
    Child<QPushButton>(page, "update")->click();

    testkit::AnswerName(Q(S::kNewGroup));
    Child<QPushButton>(page, "addGroup")->click();
    groups->setCurrentIndex(S::kRenamedGroup);
    testkit::AnswerName(Q(S::kTakenName));
    Child<QPushButton>(page, "renameGroup")->click();
    EXPECT_EQ(Prompt::TakeMessages(), QStringList{"Name exists"});
    testkit::AnswerName(Q(S::kSixteenChars));
    Child<QPushButton>(page, "renameGroup")->click();

    services->SetCurrentRow(S::kFullGroupRow);
    Child<QPushButton>(page, "copyRight")->click();
    groups->setCurrentIndex(S::kNewGroupSlot);
    for (int row : S::kNewMembers) {
      services->SetCurrentRow(row);
      Child<QPushButton>(page, "copyRight")->click();
    }
    services->SetCurrentRow(S::kNewMembers[1]);
    Child<QPushButton>(page, "copyRight")->click();
    ASSERT_EQ(favorites->RowCount(), 4);

    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame_));
    Drag(page, favorites, 0, RowPoint(favorites, 3));
    const QRect last = favorites->RowRect(favorites->RowCount() - 1);
    Drag(page, favorites, 1, favorites->viewport()->mapTo(frame_, QPoint(last.center().x(), last.bottom() + 20)));

    favorites->SetCurrentRow(2);
    Command("deleteProgram");

    groups->setCurrentIndex(S::kDeletedGroup);
    Child<QPushButton>(page, "deleteGroup")->click();
  }

  // Window position of the middle of a row.
  QPoint RowPoint(GroupChListView* list, int row) {
    return list->viewport()->mapTo(frame_, list->RowRect(row).center());
  }

  void Drag(CPageGroupCh& page, GroupChListView* list, int row, const QPoint& to) {
    QWindow* window = frame_->windowHandle();
    const QPoint from = RowPoint(list, row);
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QTest::mouseMove(window, from + QPoint(QApplication::startDragDistance() + 4, 0));
    ASSERT_TRUE(page.Dragging());
    QTest::mouseMove(window, to);
    QTest::mouseRelease(window, Qt::LeftButton, {}, to);
    ASSERT_FALSE(page.Dragging());
  }

  void ExpectOneStepEachUndoneAndRedone(const std::vector<std::uint8_t>& opened) {
    QUndoStack& stack = Stack();
    QStringList texts;
    for (int i = 0; i < stack.count(); ++i) texts << stack.text(i);
    EXPECT_EQ(texts, (QStringList{"Add Satellite [Nova 1.0W]", "Add Satellite [Satellite 140]",
                                  "Update Sat. Info [Renamed Five]", "Add Transponder [12345 Hor]",
                                  "Edit Transponder [11111 Ver]", "Delete Transponder [10735 Hor]",
                                  "Delete Satellite [Satellite 009]", "Delete Program [Program 0009]",
                                  "Add Program [Added TV]", "Add Program [Radio?]",
                                  "Update Program Info [Fourteen chars]", "Add Group [New Group]",
                                  "Rename Group [Group 2] to [ABCDEFGHIJKLMNOP]",
                                  "Add [Program 0001] to Group [New Group]", "Add [Program 0002] to Group [New Group]",
                                  "Add [Program 0003] to Group [New Group]", "Add [Program 0004] to Group [New Group]",
                                  "Move [Program 0001] in Group [New Group]", "Move [Program 0003] in Group [New Group]",
                                  "Remove [Program 0004] from Group [New Group]", "Delete Group [Group 3]"}))
        << texts.join(QStringLiteral(" | ")).toStdString();
    QAction* undo = apptest::Action(*frame_, "editUndo");
    QAction* redo = apptest::Action(*frame_, "editRedo");
    EXPECT_EQ(undo->text(), "&Undo " + texts.back());
    EXPECT_FALSE(redo->isEnabled());

    while (stack.canUndo()) undo->trigger();
    EXPECT_EQ(std::memcmp(opened.data(), &Doc().Working(), opened.size()), 0);
    EXPECT_FALSE(Doc().IsModified()) << "back at the opened state";
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("start.qdb[*] - Quelmar"));
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo"));
    EXPECT_EQ(redo->text(), "&Redo " + texts.front());

    while (stack.canRedo()) redo->trigger();
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("start.qdb[*] - Quelmar"));
  }

  std::vector<std::uint8_t> SaveAndRead() {
    apptest::Trigger(*frame_, "fileSave");
    const QByteArray bytes = apptest::ReadAll(frame_->DocumentPath());
    return {bytes.begin(), bytes.end()};
  }

  int dbType_ = dbtype::kDefault;
  CMainFrame* frame_ = nullptr;
  CMainSheet* sheet_ = nullptr;
};

// For every DbType the window saves the bytes the script has always given. Under the
// default type the script's actions are also each one undo step named after what it did:
// undone to the start, the working database is the opened one and the document
// unmodified; redone to the end, the save gives the same bytes.
TEST_F(EditScriptTest, TheWindowSavesTheSameBytesAsEverAndEveryActionIsOneStep) {
  for (int dbType : S::kDbTypes) {
    SCOPED_TRACE(dbType);
    Start(dbType);
    const auto* working = reinterpret_cast<const std::uint8_t*>(&Doc().Working());
    const std::vector<std::uint8_t> opened(working, working + sizeof(ChannelDatabase));
    RunSatTPSteps();
    RunGroupChSteps();
    EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
    EXPECT_TRUE(Doc().IsModified());
    S::ExpectLandmarks(Doc().Working());
    if (dbType == dbtype::kDefault) ExpectOneStepEachUndoneAndRedone(opened);
    const std::vector<std::uint8_t> saved = SaveAndRead();
    ASSERT_EQ(saved.size(), 458816u);
    EXPECT_EQ(S::Digest(saved), S::kDigest[dbType]) << std::hex << S::Digest(saved);
    EXPECT_TRUE(Stack().isClean());
    EXPECT_EQ(Stack().count(), 21) << "one step per action, kept by the save";
    app_.reset();
  }
}

}  // namespace
