// Where the window opens and how large: a fresh start as ever, the place it had when the
// program last ended, and one growth to show a loaded sheet whole unless the user has
// placed the window himself.
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>

#include "AppTestSupport.h"
#include "app/AppTexts.h"
#include "app/CMainFrame.h"
#include "app/CMainSheet.h"
#include "app/CQuelmarApp.h"
#include "app/CQuelmarView.h"
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

  // The whole sheet is in sight: the view needs no scroll bar.
  static bool SheetShowsWhole(const CMainFrame& frame) {
    const CQuelmarView* view = frame.View();
    return view->Sheet() && view->viewport()->width() >= view->Sheet()->minimumSizeHint().width() &&
           view->viewport()->height() >= view->Sheet()->minimumSizeHint().height() &&
           !view->horizontalScrollBar()->isVisible() && !view->verticalScrollBar()->isVisible();
  }

  static bool CentredIn(const CMainFrame& frame, const QRect& area) {
    const QRect outer = frame.frameGeometry();
    return std::abs(outer.center().x() - area.center().x()) <= 1 &&
           std::abs(outer.center().y() - area.center().y()) <= 1;
  }

  QString demo_;
};

TEST_F(WindowPlacementTest, LoadingGrowsAFreshWindowOnceToShowTheWholeSheet) {
  CMainFrame& frame = Start();
  ASSERT_EQ(frame.size(), QSize(CMainFrame::kWidth, CMainFrame::kHeight));
  ASSERT_TRUE(frame.OpenDocumentFile(demo_));
  QCoreApplication::processEvents();
  EXPECT_TRUE(SheetShowsWhole(frame));
  EXPECT_GT(frame.width(), CMainFrame::kWidth);
  EXPECT_GT(frame.height(), CMainFrame::kHeight);
  EXPECT_TRUE(Available(frame).contains(frame.frameGeometry()));
  EXPECT_TRUE(CentredIn(frame, Available(frame)));
  // Just large enough: the sheet has the least size it takes.
  EXPECT_EQ(frame.View()->Sheet()->size(), frame.View()->Sheet()->minimumSizeHint());

  // Once only: the user makes it smaller again, and the next load leaves it so.
  frame.resize(CMainFrame::kWidth, CMainFrame::kHeight);
  ASSERT_TRUE(frame.OpenDocumentFile(demo_));
  QCoreApplication::processEvents();
  EXPECT_EQ(frame.size(), QSize(CMainFrame::kWidth, CMainFrame::kHeight));
}

TEST_F(WindowPlacementTest, AFileNamedAtStartOpensInAWindowThatShowsItWhole) {
  CMainFrame& frame = Start({demo_});
  EXPECT_TRUE(SheetShowsWhole(frame));
  EXPECT_TRUE(CentredIn(frame, Available(frame)));
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
    const QPoint moved = frame.pos() + QPoint(10, 5);
    frame.move(moved);
    ASSERT_TRUE(frame.OpenDocumentFile(demo_));
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.size(), QSize(CMainFrame::kWidth, CMainFrame::kHeight));
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
    // Later loads put "Satellite/Transponder" in front, as they always have.
    ASSERT_TRUE(frame.OpenDocumentFile(demo_));
    EXPECT_EQ(frame.View()->Sheet()->currentIndex(), 0);
  }
}

TEST_F(WindowPlacementTest, APlaceOnNoScreenStartsAsFresh) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  for (const QRect& kept : {QRect(screen.topRight() + QPoint(50, 0), QSize(640, 480)),
                            QRect(screen.bottomRight() - QPoint(100, 100), QSize(640, 480)),
                            QRect(screen.topLeft(), screen.size() + QSize(1, 0)), QRect()}) {
    SCOPED_TRACE(kept.x());
    Keep(kept, true, 5);
    CMainFrame& frame = Start();
    EXPECT_FALSE(frame.isMaximized());
    EXPECT_EQ(frame.size(), QSize(CMainFrame::kWidth, CMainFrame::kHeight));
    const QRect area = frame.screen()->geometry();
    EXPECT_EQ(frame.frameGeometry().topLeft(),
              QPoint(area.x() + (area.width() - frame.frameGeometry().width()) / 2,
                     area.y() + (area.height() - frame.frameGeometry().height()) / 2));
    // A page that does not exist is not asked for.
    ASSERT_TRUE(frame.OpenDocumentFile(demo_));
    EXPECT_EQ(frame.View()->Sheet()->currentIndex(), 0);
    app_.reset();
  }
}

}  // namespace
