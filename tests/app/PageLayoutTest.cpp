// The pages in the window: each keeps its arrangement (which box is left of or above
// which) at every size, and a larger window goes to the lists, while the boxes of fields
// keep their height. ctest runs these once more at twice the scale (test_app_scale2).
#include <QAbstractItemView>
#include <QHeaderView>
#include <QTreeView>

#include "AppTestSupport.h"
#include "app/CMainFrame.h"
#include "app/CMainSheet.h"
#include "app/CQuelmarView.h"

namespace {

enum class Is { LeftOf, Above };

struct Placing {
  const char* a;
  Is is;
  const char* b;
};

class PageLayoutTest : public apptest::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    const QString demo = Path("demo.qdb");
    apptest::WriteSample(demo);
    Start({demo});
    QCoreApplication::processEvents();
  }
  // Shows each page in turn, so that a page on a hidden tab takes its size too.
  void ShowBothPages() {
    for (int page : {1, 0}) {
      Sheet().setCurrentIndex(page);
      QCoreApplication::processEvents();
    }
  }
  QWidget* Page(int page) { return Sheet().widget(page); }
  // Where a control of a page is, in the page's coordinates.
  static QRect At(QWidget& page, const char* name) {
    const auto* w = page.findChild<const QWidget*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w ? QRect(w->mapTo(&page, QPoint(0, 0)), w->size()) : QRect();
  }
};

TEST_F(PageLayoutTest, EachPageKeepsItsArrangementAtEverySize) {
  const Placing placings[2][8] = {
      {{"satelliteGroup", Is::LeftOf, "transponderGroup"},
       {"satelliteGroup", Is::LeftOf, "satInfo"},
       {"transponderGroup", Is::Above, "satInfo"},
       {"satelliteList", Is::LeftOf, "transponderList"},
       {"name", Is::Above, "lnbType"},
       {"lnbFreqHigh", Is::Above, "lnbFreqLow"},
       {"lnbType", Is::LeftOf, "diseqcPort"},
       {"lnbFreqLow", Is::Above, "update"}},
      {{"tvRadioBox", Is::LeftOf, "copyRight"},
       {"copyRight", Is::LeftOf, "favoriteBox"},
       {"copyRight", Is::Above, "copyLeft"},
       {"tvRadioBox", Is::Above, "infoBox"},
       {"favoriteBox", Is::Above, "infoBox"},
       {"serviceSearch", Is::Above, "serviceList"},
       {"videoPid", Is::LeftOf, "pcrPid"},
       {"pcrPid", Is::LeftOf, "ttextPid"}},
  };
  const QSize start = Frame().size();
  for (const QSize size : {start, start + QSize(700, 400), QSize(500, 380)}) {
    SCOPED_TRACE(size.width());
    Frame().resize(size);
    ShowBothPages();
    for (int page = 0; page < 2; ++page) {
      QWidget& p = *Page(page);
      for (const Placing& placing : placings[page]) {
        SCOPED_TRACE(std::string(placing.a) + " / " + placing.b);
        const QRect a = At(p, placing.a), b = At(p, placing.b);
        if (placing.is == Is::LeftOf) {
          EXPECT_LT(a.right(), b.left());
        } else {
          EXPECT_LT(a.bottom(), b.top());
        }
      }
    }
  }
}

TEST_F(PageLayoutTest, ALargerWindowGoesToTheListsAndTheFieldsKeepTheirHeight) {
  ShowBothPages();
  QWidget& satTP = *Page(0);
  QWidget& groupCh = *Page(1);
  const char* lists[] = {"satelliteList", "transponderList", "serviceList", "groupList"};
  QRect before[4];
  for (int i = 0; i < 4; ++i) before[i] = At(i < 2 ? satTP : groupCh, lists[i]);
  const int satInfo = At(satTP, "satInfo").height(), info = At(groupCh, "infoBox").height();

  Frame().resize(Frame().size() + QSize(800, 500));
  ShowBothPages();
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(lists[i]);
    const QRect now = At(i < 2 ? satTP : groupCh, lists[i]);
    EXPECT_GT(now.width(), before[i].width());
    EXPECT_GT(now.height(), before[i].height());
  }
  EXPECT_EQ(At(satTP, "satInfo").height(), satInfo);
  EXPECT_EQ(At(groupCh, "infoBox").height(), info);
  // The transponders take more of the width than the satellites; the two channel lists
  // share theirs.
  EXPECT_GT(At(satTP, "transponderList").width(), At(satTP, "satelliteList").width());
  EXPECT_GT(At(groupCh, "groupList").width(), before[3].width() + 200);
  // The transponder columns still fill their list.
  const auto* transponders = satTP.findChild<QTreeView*>(QStringLiteral("transponderList"));
  int columns = 0;
  for (int c = 0; c < transponders->header()->count(); ++c) columns += transponders->header()->sectionSize(c);
  EXPECT_EQ(columns, transponders->width() - 2 * transponders->frameWidth());
}

}  // namespace
