// Values typed in an Info area are never dropped without a word: leaving the row by a
// click, a key, a search, another page, Save or Close asks whether to apply them, Enter
// applies them as "Update" does, and a long name pasted into any name field is cut to
// what its record holds with a word in the status bar. All through the real window.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QUndoStack>
#include <functional>

#include "AppTestSupport.h"
#include "db/records/FavoriteGroupRecord.h"
#include "db/records/ProgramRecord.h"
#include "db/records/SatelliteRecord.h"
#include "support/PageTest.h"
#include "ui/channels/CPageGroupCh.h"
#include "ui/channels/CProgramEditDlg.h"
#include "ui/channels/GroupChListView.h"
#include "ui/satellites/CPageSatTP.h"
#include "ui/satellites/SatTPListView.h"
#include "widgets/CInputName.h"

using testkit::Child;

namespace {

const QString kTyped = QStringLiteral("Typed Name");
constexpr auto Yes = QMessageBox::Yes;
constexpr auto No = QMessageBox::No;
constexpr auto Cancel = QMessageBox::Cancel;

class InfoEditsWindowTest : public apptest::WindowTest {
 public:
  void SetUp() override {
    WindowTest::SetUp();
    file_ = Path("sample.qdb");
    apptest::WriteSample(file_);
    frame_ = &Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame_));
    ASSERT_TRUE(frame_->OpenDocumentFile(file_));
  }

  using WindowTest::Sheet;  // the table's lambdas look at it
  CPageGroupCh& GroupCh() { return *Sheet().GroupChPage(); }
  CPageSatTP& SatTP() { return *Sheet().SatTPPage(); }
  const ChannelDatabase& Db() { return Doc().Working(); }
  GroupChListView* Services() { return Child<GroupChListView>(GroupCh(), "serviceList"); }
  SatTPListView* Satellites() { return Child<SatTPListView>(SatTP(), "satelliteList"); }
  QLineEdit* Field(QWidget& page, const char* name) { return Child<QLineEdit>(page, name); }
  void Trigger(const char* command) { apptest::Trigger(*frame_, command); }

  static void ClickRow(QAbstractItemView* list, int row) {
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
  }
  void ClickTab(int index) {
    QTabBar* bar = Sheet().tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
  }
  // Types over a field's text with the keyboard.
  static void TypeOver(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }

  // The program shown by row `row` of the TV list, and its stored name.
  int ProgramAt(int row) { return GroupCh().State().serviceRows[std::size_t(row)]; }
  QString ProgramName(int slot) { return QString::fromStdString(Db().programs[std::size_t(slot)].Name()); }
  int SatelliteAt(int row) { return SatTP().State().satelliteRows[std::size_t(row)]; }
  QString SatelliteName(int slot) { return QString::fromStdString(Db().satellites[std::size_t(slot)].Name()); }

  QString file_;
  CMainFrame* frame_ = nullptr;
};

// What takes the user away from the row, and whether the window is still on it.
struct Leave {
  const char* what;
  std::function<void(InfoEditsWindowTest&)> act;
  std::function<bool(InfoEditsWindowTest&)> stayed;
};

}  // namespace

// On "Group/Channel": a name typed over row 1's program, then the row left. Yes applies it
// as one step, No drops it, Cancel keeps the typed text and the row.
TEST_F(InfoEditsWindowTest, LeavingAProgramRowAsksAboutTheTypedName) {
  using T = InfoEditsWindowTest;
  const auto onRow1 = [](T& t) { return t.Services()->CurrentRow() == 1 && t.Sheet().currentWidget() == &t.GroupCh(); };
  const Leave leaves[] = {
      {"click on another row", [](T& t) { ClickRow(t.Services(), 3); }, onRow1},
      {"Down key", [](T& t) { QTest::keyClick(t.Services(), Qt::Key_Down); }, onRow1},
      {"search hiding the row", [](T& t) { QTest::keyClicks(t.Field(t.GroupCh(), "serviceSearch"), QStringLiteral("#")); },
       [](T& t) { return t.Field(t.GroupCh(), "serviceSearch")->text().isEmpty() && t.Services()->CurrentRow() == 1; }},
      {"other page", [](T& t) { t.ClickTab(0); }, onRow1},
      {"Close", [](T& t) { t.Trigger("fileClose"); }, [](T& t) { return t.frame_->View()->Sheet() != nullptr; }},
  };
  for (const Leave& leave : leaves) {
    for (const auto answer : {Yes, No, Cancel}) {
      SCOPED_TRACE(testing::Message() << leave.what << ", answer " << answer);
      Prompt::Reset();
      ASSERT_TRUE(frame_->OpenDocumentFile(file_));
      ClickTab(1);
      ClickRow(Services(), 1);
      const int program = ProgramAt(1);
      const QString stored = ProgramName(program);
      TypeOver(Field(GroupCh(), "name"), kTyped);
      Prompt::TakeMessages();
      Prompt::QueueMessageAnswer(answer);
      // A save question after Yes on Close is answered No.
      Prompt::QueueMessageAnswer(No);
      leave.act(*this);
      const QStringList asked = Prompt::TakeMessages();
      ASSERT_FALSE(asked.isEmpty());
      EXPECT_EQ(asked.front(), QStringLiteral("Apply the changes to [%1]?").arg(stored));
      EXPECT_EQ(ProgramName(program), answer == Yes ? kTyped : stored);
      if (frame_->View()->Sheet()) {
        EXPECT_EQ(leave.stayed(*this), answer == Cancel);
        if (answer == Cancel) {
          EXPECT_EQ(Field(GroupCh(), "name")->text(), kTyped);
        }
        if (answer == Yes) {
          EXPECT_EQ(Stack().text(Stack().count() - 1), QStringLiteral("Update Program Info [%1]").arg(kTyped));
        }
        EXPECT_EQ(Stack().count(), answer == Yes ? 1 : 0);
      }
    }
  }
}

// Enter in a field applies like "Update", without a question; a refused number on Yes
// shows its message and stays; clicking the shown row or moving the focus asks nothing.
TEST_F(InfoEditsWindowTest, EnterAppliesAndARefusedFieldStays) {
  ClickTab(1);
  ClickRow(Services(), 1);
  const int program = ProgramAt(1);
  TypeOver(Field(GroupCh(), "name"), kTyped);
  ClickRow(Services(), 1);
  QTest::keyClick(Services(), Qt::Key_Tab);
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  EXPECT_EQ(Field(GroupCh(), "name")->text(), kTyped);
  QTest::keyClick(Field(GroupCh(), "name"), Qt::Key_Return);
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  EXPECT_EQ(ProgramName(program), kTyped);
  EXPECT_EQ(Stack().count(), 1);

  TypeOver(Field(GroupCh(), "videoPid"), QStringLiteral("abc"));
  Prompt::QueueMessageAnswer(Yes);
  ClickRow(Services(), 4);
  EXPECT_EQ(Prompt::TakeMessages(), (QStringList{QStringLiteral("Apply the changes to [%1]?").arg(kTyped),
                                                 QStringLiteral("Please enter a positive integer.")}));
  EXPECT_EQ(Services()->CurrentRow(), 1);
  EXPECT_EQ(Stack().count(), 1);
  // Save asks too; No drops the typed value and the file is written.
  Prompt::QueueMessageAnswer(No);
  Trigger("fileSave");
  EXPECT_EQ(Prompt::TakeMessages().size(), 1);
  EXPECT_EQ(Field(GroupCh(), "videoPid")->text(), QString::number(Db().programs[std::size_t(program)].VideoPid(dbtype::kDefault)));
  EXPECT_FALSE(Doc().IsModified());
}

// "Sat. Info" alike: a click on another satellite or Ctrl+Tab asks, Cancel stays, Yes
// applies, and Enter in a field applies at once.
TEST_F(InfoEditsWindowTest, LeavingASatelliteAsksAboutSatInfo) {
  using T = InfoEditsWindowTest;
  const auto onRow2 = [](T& t) { return t.Satellites()->SingleSelectedRow() == 2 && t.Sheet().currentIndex() == 0; };
  const Leave leaves[] = {
      {"click on another satellite", [](T& t) { ClickRow(t.Satellites(), 4); }, onRow2},
      {"Up key", [](T& t) { QTest::keyClick(t.Satellites(), Qt::Key_Up); }, onRow2},
      {"other page", [](T& t) { t.ClickTab(1); }, onRow2},
      {"Send", [](T& t) { t.Trigger("sendToStb"); }, onRow2},
  };
  for (const Leave& leave : leaves) {
    for (const auto answer : {Yes, Cancel}) {
      SCOPED_TRACE(testing::Message() << leave.what << ", answer " << answer);
      Prompt::Reset();
      ASSERT_TRUE(frame_->OpenDocumentFile(file_));
      Sheet().setCurrentIndex(0);  // an open keeps the page the last case left in front
      ClickRow(Satellites(), 2);
      const int satellite = SatelliteAt(2);
      const QString stored = SatelliteName(satellite);
      TypeOver(Field(SatTP(), "name"), kTyped);
      Prompt::TakeMessages();
      Prompt::QueueMessageAnswer(answer);
      leave.act(*this);
      const QStringList asked = Prompt::TakeMessages();
      ASSERT_FALSE(asked.isEmpty());
      EXPECT_EQ(asked.front(), QStringLiteral("Apply the changes to [%1]?").arg(stored));
      EXPECT_EQ(SatelliteName(satellite), answer == Yes ? kTyped : stored);
      EXPECT_EQ(Stack().count(), answer == Yes ? 1 : 0);
      if (answer == Cancel) {
        EXPECT_TRUE(leave.stayed(*this));
        EXPECT_EQ(Field(SatTP(), "name")->text(), kTyped);
      }
    }
  }
  ASSERT_TRUE(frame_->OpenDocumentFile(file_));
  ClickRow(Satellites(), 2);
  TypeOver(Field(SatTP(), "lnbFreqLow"), QStringLiteral("9999"));
  QTest::keyClick(Field(SatTP(), "lnbFreqLow"), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(Db().satellites[std::size_t(SatelliteAt(2))].LnbFreqLow(), 9999);
  EXPECT_EQ(Stack().count(), 1);
}

// A long name pasted into each name field keeps exactly the bytes its record holds, the
// status bar says it was cut, and what is stored is that much.
TEST_F(InfoEditsWindowTest, APastedLongNameIsCutToTheRecordWithAWord) {
  using T = InfoEditsWindowTest;
  static const QString kLong = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
  static const auto pasteOver = [](QLineEdit* edit) {
    QApplication::clipboard()->setText(kLong);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    return edit->text();
  };
  // Pastes into the named field of the next dialog, then presses `button`.
  static const auto inDialog = [](T& t, const char* command, const char* button) {
    QString seen;
    Prompt::QueueDialog([&seen, button](QDialog& d) {
      seen = pasteOver(Child<QLineEdit>(d, "name"));
      QTest::mouseClick(Child<QPushButton>(d, button), Qt::LeftButton);
      return d.result();
    });
    if (command) t.Trigger(command);
    else QTest::mouseClick(Child<QPushButton>(t.GroupCh(), "renameGroup"), Qt::LeftButton);
    return seen;
  };
  static const auto inArea = [](QWidget& page) {
    QLineEdit* edit = Child<QLineEdit>(page, "name");
    const QString seen = pasteOver(edit);
    QTest::keyClick(edit, Qt::Key_Return);
    return seen;
  };
  const struct {
    const char* what;
    std::size_t width;
    std::function<QString(T&)> paste;
    std::function<QString(T&)> stored;  // null: the dialog is cancelled
  } fields[] = {
      {"Info area", ProgramRecord::kNameWidth,
       [](T& t) { t.ClickTab(1); ClickRow(t.Services(), 1); return inArea(t.GroupCh()); },
       [](T& t) { return t.ProgramName(t.ProgramAt(1)); }},
      {"Sat. Info", SatelliteRecord::kNameWidth,
       [](T& t) { ClickRow(t.Satellites(), 1); return inArea(t.SatTP()); },
       [](T& t) { return t.SatelliteName(t.SatelliteAt(1)); }},
      {"Program Info", ProgramRecord::kNameWidth,
       [](T& t) { t.ClickTab(1); return inDialog(t, "addProgram", "cancel"); }, nullptr},
      {"Name dialog of a new satellite", SatelliteRecord::kNameWidth,
       [](T& t) { return inDialog(t, "addSatellite", "ok"); },
       [](T& t) {
         for (const SatelliteRecord& sat : t.Db().satellites)
           if (sat.IsUsed() && sat.Name().size() == SatelliteRecord::kNameWidth) return QString::fromStdString(sat.Name());
         return QString();
       }},
      {"group rename", FavoriteGroupRecord::kNameWidth,
       [](T& t) { t.ClickTab(1); return inDialog(t, nullptr, "ok"); },
       [](T& t) {
         const int group = t.GroupCh().State().CurrentGroup();
         return QString::fromStdString(t.Db().channelLists.favoriteGroups[std::size_t(group)].Name());
       }},
  };
  for (const auto& field : fields) {
    SCOPED_TRACE(field.what);
    Prompt::Reset();
    ASSERT_TRUE(frame_->OpenDocumentFile(file_));
    frame_->statusBar()->clearMessage();
    const QString kept = kLong.left(qsizetype(field.width));
    EXPECT_EQ(field.paste(*this), kept);
    EXPECT_EQ(frame_->statusBar()->currentMessage(),
              QStringLiteral("The name was cut to %1 characters, as many as the receiver stores.").arg(field.width));
    if (field.stored) {
      EXPECT_EQ(field.stored(*this), kept);
    }
    EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
  }
}

// Typed values survive what only rebuilds the lists around their row: a satellite added
// from the menu, the focus coming back to the program list.
TEST_F(InfoEditsWindowTest, RebuildingAroundTheRowKeepsTypedValues) {
  ClickRow(Satellites(), 2);
  TypeOver(Field(SatTP(), "name"), kTyped);
  testkit::AnswerName(QStringLiteral("Extra"));
  Trigger("addSatellite");
  EXPECT_EQ(Field(SatTP(), "name")->text(), kTyped);
  ClickTab(1);
  EXPECT_EQ(Prompt::TakeMessages(), QStringList{QStringLiteral("Apply the changes to [%1]?").arg(SatelliteName(SatelliteAt(2)))});

  ClickRow(Services(), 1);
  TypeOver(Field(GroupCh(), "name"), kTyped);
  Services()->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(Field(GroupCh(), "name")->text(), kTyped);
  EXPECT_TRUE(Prompt::TakeMessages().isEmpty());
}
