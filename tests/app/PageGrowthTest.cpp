// The "Group/Channel" page in the window: at the size it was built for every control is
// where a page on its own puts it; in a larger window the lists take the extra space
// while the fields keep their size, and back at the built size nothing has drifted. ctest runs these once
// more at twice the scale (test_app_scale2).
#include <QAbstractItemView>
#include <QGroupBox>
#include <QHeaderView>
#include <QTreeView>
#include <vector>

#include "AppTestSupport.h"
#include "app/CMainFrame.h"
#include "app/CMainSheet.h"
#include "app/CQuelmarApp.h"
#include "app/CQuelmarView.h"
#include "support/RecordingPageHost.h"

namespace {

// Every control on the page and in its boxes, with where it is, in the order made.
struct Placed {
  QString name;
  QRect geometry;
  bool operator==(const Placed&) const = default;
};
void PrintTo(const Placed& p, std::ostream* os) {
  *os << p.name.toStdString() << " at " << p.geometry.x() << "," << p.geometry.y() << " "
      << p.geometry.width() << "x" << p.geometry.height();
}

std::vector<Placed> Placement(const QWidget& page) {
  std::vector<Placed> all;
  std::vector<const QWidget*> parents{&page};
  // A box with a layout of its own arranges its controls itself.
  for (const QObject* o : page.children())
    if (auto* box = qobject_cast<const QGroupBox*>(o); box && !box->layout()) parents.push_back(box);
  for (const QWidget* parent : parents) {
    for (const QObject* o : parent->children()) {
      const auto* w = qobject_cast<const QWidget*>(o);
      if (!w || w->isWindow()) continue;
      const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                     : w->objectName();
      all.push_back({parent->objectName() + QLatin1Char('/') + name, w->geometry()});
    }
  }
  return all;
}

QRect At(const QWidget& page, const char* name) {
  const auto* w = page.findChild<const QWidget*>(QString::fromLatin1(name));
  return w ? w->geometry() : QRect();
}

class PageGrowthTest : public apptest::WindowTest {
 protected:
  CMainFrame& Start() {
    const QString demo = Path("demo.qdb");
    apptest::WriteSample(demo);
    CMainFrame& frame = WindowTest::Start({demo});
    QCoreApplication::processEvents();
    return frame;
  }
  // Shows each page in turn, so that a page on a hidden tab takes its size too.
  void ShowBothPages() {
    for (int page : {1, 0}) {
      Sheet().setCurrentIndex(page);
      QCoreApplication::processEvents();
    }
  }
};

TEST_F(PageGrowthTest, AtTheBuiltSizeEveryControlIsWhereAPageOnItsOwnPutsIt) {
  CMainFrame& frame = Start();
  CQuelmarDoc doc;
  testkit::RecordingPageHost host;
  const CPageGroupCh groupCh(doc, host);
  ShowBothPages();
  ASSERT_EQ(Sheet().GroupChPage()->size(), groupCh.size());

  const QSize start = frame.size();
  for (const QSize size : {start, start + QSize(700, 400), start + QSize(3, 1), start}) {
    SCOPED_TRACE(size.width());
    frame.resize(size);
    ShowBothPages();
    if (size != start) continue;
    EXPECT_EQ(Placement(*Sheet().GroupChPage()), Placement(groupCh));
  }
}

TEST_F(PageGrowthTest, InALargerWindowTheListsGrowAndTheFieldsKeepTheirSize) {
  CMainFrame& frame = Start();
  ShowBothPages();
  const QWidget& groupCh = *Sheet().GroupChPage();
  const std::vector<Placed> groupBuilt = Placement(groupCh);
  const QSize built = groupCh.size();
  const QRect tv0 = At(groupCh, "serviceList"), fav0 = At(groupCh, "groupList"), info0 = At(groupCh, "infoBox");
  frame.resize(frame.size() + QSize(800, 500));
  ShowBothPages();
  const QSize extra = groupCh.size() - built;
  ASSERT_GE(extra.width(), 700);
  ASSERT_GE(extra.height(), 400);

  // Only the lists, their search fields and filters and the boxes around them change
  // size; every control stays on the page.
  const auto grows = [](const QString& name) {
    return name.endsWith(QLatin1String("List")) || name.endsWith(QLatin1String("Search")) ||
           name.endsWith(QLatin1String("Satellites")) || name.endsWith(QLatin1String("States")) ||
           name.endsWith(QLatin1String("Group")) ||
           name.endsWith(QLatin1String("tvRadioBox")) || name.endsWith(QLatin1String("favoriteBox"));
  };
  for (const auto& [page, before] : {std::pair{&groupCh, groupBuilt}}) {
    const std::vector<Placed> now = Placement(*page);
    ASSERT_EQ(now.size(), before.size());
    for (std::size_t i = 0; i < now.size(); ++i) {
      SCOPED_TRACE(now[i].name.toStdString());
      if (!grows(now[i].name)) {
        EXPECT_EQ(now[i].geometry.size(), before[i].geometry.size());
      }
      if (now[i].name.startsWith(page->objectName() + QLatin1Char('/'))) {
        EXPECT_TRUE(page->rect().contains(now[i].geometry));
      }
    }
  }

  // Group/Channel: the two lists share the extra width and take the extra height, the
  // copy buttons stay in the gap between their boxes, the program box moves down.
  const QRect tv = At(groupCh, "serviceList"), fav = At(groupCh, "groupList");
  EXPECT_EQ(tv.height(), tv0.height() + extra.height());
  EXPECT_EQ(fav.height(), fav0.height() + extra.height());
  EXPECT_EQ(tv.width() + fav.width(), tv0.width() + fav0.width() + extra.width());
  EXPECT_NEAR(tv.width() - tv0.width(), extra.width() / 2.0, 1);
  EXPECT_EQ(At(groupCh, "infoBox"), info0.translated(0, extra.height()));
  for (const char* button : {"copyRight", "copyLeft"}) {
    SCOPED_TRACE(button);
    EXPECT_GT(At(groupCh, button).left(), At(groupCh, "tvRadioBox").right());
    EXPECT_LT(At(groupCh, button).right(), At(groupCh, "favoriteBox").left());
  }
}

}  // namespace
