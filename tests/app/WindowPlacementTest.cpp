// Where the window opens and how large: a fresh start as ever, the place it had when the
// program last ended (on a screen that exists, at a usable size), and one growth to show
// a loaded sheet unless the user has placed the window himself; never past the screen.
// ctest runs these once more on a 1280x1024 screen (test_app_screen1280) and on a
// 1920x1080 one at twice the scale (test_app_scale2).
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>

#include "AppTestSupport.h"
#include "app/AppTexts.h"
#include "app/CMainFrame.h"
#include "app/CMainSheet.h"
#include "app/CQuelmarApp.h"
#include "app/CQuelmarView.h"
#include "ui/channels/GroupChListView.h"
#include "widgets/Texts.h"

namespace {

using Texts::Q;

class WindowPlacementTest : public apptest::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    demo_ = Path("demo.qdb");
    apptest::WriteSample(demo_);
  }

  CMainFrame& Start(const QStringList& files = {}) {
    CMainFrame& frame = WindowTest::Start(files);
    QCoreApplication::processEvents();
    return frame;
  }
  void Quit() {
    app_->MainFrame()->close();
    app_.reset();
  }

  static void Keep(const QRect& geometry, bool maximized, int page) {
    QSettings store(Q(AppTexts::kSettingsOrganization), Q(AppTexts::kSettingsApplication));
    store.beginGroup(Q(AppTexts::kWindowSection));
    store.setValue(Q(AppTexts::kWindowGeometryKey), geometry);
    store.setValue(Q(AppTexts::kWindowMaximizedKey), maximized);
    store.setValue(Q(AppTexts::kWindowPageKey), page);
  }

  static QRect Available(const CMainFrame& frame) { return frame.screen()->availableGeometry(); }

  // The whole sheet is in sight at the size it likes: the view needs no scroll bar.
  static bool SheetShowsWhole(const CMainFrame& frame) {
    const CQuelmarView* view = frame.View();
    return view->Sheet() && view->viewport()->width() >= view->Sheet()->sizeHint().width() &&
           view->viewport()->height() >= view->Sheet()->sizeHint().height() &&
           !view->horizontalScrollBar()->isVisible() && !view->verticalScrollBar()->isVisible();
  }
  // Whether the screen's free area holds the window grown to show the sheet whole.
  static bool RoomForSheet(const CMainFrame& frame) {
    const QSize around = frame.frameGeometry().size() - frame.View()->size();
    const QSize room = Available(frame).size();
    const QSize wanted = around + frame.View()->Sheet()->sizeHint();
    return wanted.width() <= room.width() && wanted.height() <= room.height();
  }

  // The frame the window system draws around the window.
  static QSize Around(const CMainFrame& frame) { return frame.frameGeometry().size() - frame.size(); }

  static bool CentredIn(const CMainFrame& frame, const QRect& area) {
    const QRect outer = frame.frameGeometry();
    return std::abs(outer.center().x() - area.center().x()) <= 1 &&
           std::abs(outer.center().y() - area.center().y()) <= 1;
  }

  QString demo_;
};

TEST_F(WindowPlacementTest, LoadingGrowsAFreshWindowOnceToShowTheWholeSheet) {
  CMainFrame& frame = Start();
  EXPECT_TRUE(Available(frame).contains(frame.frameGeometry()));
  ASSERT_TRUE(frame.OpenDocumentFile(demo_));
  QCoreApplication::processEvents();
  // As large as the sheet likes, as far as the screen's free area goes; what does not
  // fit scrolls in the window.
  const QSize around = frame.frameGeometry().size() - frame.View()->size();
  EXPECT_EQ(frame.frameGeometry().size(), (around + Sheet().sizeHint()).boundedTo(Available(frame).size()));
  EXPECT_TRUE(Available(frame).contains(frame.frameGeometry()));
  EXPECT_TRUE(CentredIn(frame, Available(frame)));
  EXPECT_EQ(SheetShowsWhole(frame), RoomForSheet(frame));

  // Once only: the user makes it smaller again, and the next load leaves it so.
  frame.resize(CMainFrame::kUsableMinimum);
  ASSERT_TRUE(frame.OpenDocumentFile(demo_));
  QCoreApplication::processEvents();
  EXPECT_EQ(frame.size(), CMainFrame::kUsableMinimum);
}

// The window as a new user first sees it with a database: on a screen as large as
// 1280x1024 every column of both channel lists and 20 of their rows; on any screen the
// whole window, its title bar included, with what does not fit scrolling inside it.
TEST_F(WindowPlacementTest, AFirstStartShowsBothChannelListsWholeWithinTheScreen) {
  CMainFrame& frame = Start({demo_});
  Sheet().setCurrentIndex(1);
  QCoreApplication::processEvents();
  const QRect area = Available(frame);
  EXPECT_TRUE(area.contains(frame.frameGeometry()));
  EXPECT_TRUE(CentredIn(frame, area));
  EXPECT_EQ(SheetShowsWhole(frame), RoomForSheet(frame));
  const bool large = area.width() >= 1280 && area.height() >= 1000;
  const QWidget* view = frame.View()->viewport();
  for (const char* name : {"serviceList", "groupList"}) {
    SCOPED_TRACE(name);
    const auto* list = Sheet().findChild<GroupChListView*>(QString::fromLatin1(name));
    ASSERT_NE(list, nullptr);
    const QHeaderView* header = list->horizontalHeader();
    int inside = 0, shown = 0;
    for (int c = 0; c < header->count(); ++c) {
      if (header->isSectionHidden(c)) continue;
      ++shown;
      const int left = header->sectionViewportPosition(c);
      if (left >= 0 && left + header->sectionSize(c) <= list->viewport()->width()) ++inside;
    }
    // The list itself lies in the window's sight.
    const QRect seen(list->mapTo(view, QPoint(0, 0)), list->size());
    if (large) {
      EXPECT_EQ(inside, shown);
      EXPECT_GE(list->viewport()->height() / list->verticalHeader()->defaultSectionSize(), 20);
      EXPECT_TRUE(view->rect().contains(seen));
    } else {
      // What the screen cannot hold scrolls: the list sideways, or the page in the window.
      EXPECT_TRUE(inside == shown || list->horizontalScrollBar()->isVisible() ||
                  frame.View()->horizontalScrollBar()->isVisible());
    }
  }
}

TEST_F(WindowPlacementTest, AWindowTheUserResizedMovedOrMaximisedIsNotGrown) {
  {
    CMainFrame& frame = Start();
    frame.resize(700, 600);
    ASSERT_TRUE(frame.OpenDocumentFile(demo_));
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.size(), QSize(700, 600));
    Quit();
  }
  {
    Keep({}, false, -1);  // each start here is a fresh one
    CMainFrame& frame = Start();
    const QSize fresh = frame.size();
    const QPoint moved = frame.pos() + QPoint(10, 5);
    frame.move(moved);
    ASSERT_TRUE(frame.OpenDocumentFile(demo_));
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.size(), fresh);
    EXPECT_EQ(frame.pos(), moved);
    Quit();
  }
  {
    Keep({}, false, -1);
    CMainFrame& frame = Start();
    frame.showMaximized();
    QCoreApplication::processEvents();
    const QRect maximised = frame.geometry();
    ASSERT_TRUE(frame.OpenDocumentFile(demo_));
    QCoreApplication::processEvents();
    EXPECT_TRUE(frame.isMaximized());
    EXPECT_EQ(frame.geometry(), maximised);
    Quit();
  }
}

TEST_F(WindowPlacementTest, SizePositionMaximisedStateAndPageComeBackAtTheNextStart) {
  {
    CMainFrame& frame = Start({demo_});
    frame.setGeometry(QRect(QPoint(20, 30), QSize(640, 480)));
    frame.View()->Sheet()->setCurrentIndex(1);
    Quit();
  }
  {
    // Kept even where the sheet does not fit: the user chose that size.
    CMainFrame& frame = Start({demo_});
    EXPECT_EQ(frame.geometry(), QRect(QPoint(20, 30), QSize(640, 480)));
    EXPECT_FALSE(frame.isMaximized());
    EXPECT_EQ(frame.View()->Sheet()->currentIndex(), 1);
    frame.showMaximized();
    QCoreApplication::processEvents();
    Quit();
  }
  {
    // Started empty, it opens maximised; its size before that is what it goes back to,
    // and the page comes to the front with the first database loaded.
    CMainFrame& frame = Start();
    EXPECT_TRUE(frame.isMaximized());
    EXPECT_EQ(frame.normalGeometry(), QRect(QPoint(20, 30), QSize(640, 480)));
    ASSERT_TRUE(frame.OpenDocumentFile(demo_));
    EXPECT_EQ(frame.View()->Sheet()->currentIndex(), 1);
    // Later loads keep the page the user is on.
    frame.View()->Sheet()->setCurrentIndex(0);
    ASSERT_TRUE(frame.OpenDocumentFile(demo_));
    EXPECT_EQ(frame.View()->Sheet()->currentIndex(), 0);
    frame.View()->Sheet()->setCurrentIndex(1);
    ASSERT_TRUE(frame.OpenDocumentFile(demo_));
    EXPECT_EQ(frame.View()->Sheet()->currentIndex(), 1);
  }
}

// A kept place is used where it overlaps a screen attached now, moved onto it, at a
// usable size and no larger than the screen; a place on no screen starts as fresh.
TEST_F(WindowPlacementTest, AKeptPlaceIsPutOnAScreenThatExistsAtAUsableSize) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QSize usable = CMainFrame::kUsableMinimum.boundedTo(screen.size());
  const struct {
    const char* what;
    QRect kept;
    bool fresh;
  } cases[] = {
      {"right of every screen", QRect(screen.topRight() + QPoint(50, 0), QSize(640, 480)), true},
      {"none kept", QRect(), true},
      {"hanging over the corner", QRect(screen.bottomRight() - QPoint(100, 100), QSize(640, 480)), false},
      {"larger than the screen", QRect(screen.topLeft(), screen.size() + QSize(1, 300)), false},
      {"a few pixels", QRect(screen.topLeft() + QPoint(40, 40), QSize(80, 6)), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Keep(c.kept, false, 5);
    CMainFrame& frame = Start();
    EXPECT_TRUE(Available(frame).contains(frame.frameGeometry()));
    if (c.fresh) {
      EXPECT_EQ(frame.frameGeometry().size(),
                (QSize(CMainFrame::kWidth, CMainFrame::kHeight) + Around(frame)).boundedTo(screen.size()));
    } else {
      EXPECT_EQ(frame.size(), c.kept.size().expandedTo(usable).boundedTo(screen.size() - Around(frame)));
    }
    // A page that does not exist is not asked for.
    ASSERT_TRUE(frame.OpenDocumentFile(demo_));
    EXPECT_EQ(frame.View()->Sheet()->currentIndex(), 0);
    app_.reset();
  }
}

}  // namespace
