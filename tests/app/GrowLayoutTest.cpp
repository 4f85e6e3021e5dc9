// A page that grows: untouched at its built size, shares of the extra space where
// asked, neighbouring edges kept together whatever the rounding.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QWidget>

#include "AppTestSupport.h"
#include "widgets/GrowLayout.h"

namespace {

struct Page {
  Page() {
    page.resize(300, 200);
    left.setGeometry(10, 10, 100, 120);
    right.setGeometry(110, 10, 180, 120);
    box.setGeometry(10, 140, 200, 50);
    label.setGeometry(20, 150, 40, 10);
    field.setGeometry(70, 150, 60, 12);
    outside.setGeometry(220, 150, 60, 12);
    auto* layout = new GrowLayout(&page);  // the page's child
    layout->Add(&left, {0, 0, 1.0 / 3, 1});
    layout->Add(&right, {1.0 / 3, 0, 2.0 / 3, 1});
    layout->AddWithin(&box, {0, 1, 0, 0});
    window.resize(800, 800);
    window.show();  // a hidden page takes its new size only when it is shown
  }
  QWidget window;
  QWidget page{&window};
  QListWidget left{&page}, right{&page};
  QWidget box{&page};
  QLabel label{&page};
  QLineEdit field{&page};
  QLineEdit outside{&page};
};

TEST(GrowLayoutTest, NothingMovesAtTheBuiltSizeOrBelow) {
  Page p;
  p.page.resize(301, 201);
  p.page.resize(300, 200);
  EXPECT_EQ(p.left.geometry(), QRect(10, 10, 100, 120));
  EXPECT_EQ(p.right.geometry(), QRect(110, 10, 180, 120));
  EXPECT_EQ(p.field.geometry(), QRect(70, 150, 60, 12));
  p.page.resize(250, 150);  // smaller than built: the page scrolls, nothing squeezes
  EXPECT_EQ(p.left.geometry(), QRect(10, 10, 100, 120));
  EXPECT_EQ(p.label.geometry(), QRect(20, 150, 40, 10));
}

TEST(GrowLayoutTest, ListsTakeTheExtraSpaceAndFieldsMoveWithTheirBox) {
  Page p;
  for (const QSize extra : {QSize(1, 1), QSize(2, 7), QSize(100, 40), QSize(301, 333)}) {
    SCOPED_TRACE(extra.width());
    p.page.resize(QSize(300, 200) + extra);
    EXPECT_EQ(p.left.x(), 10);
    EXPECT_EQ(p.left.height(), 120 + extra.height());
    // The two lists still meet, and together they take the whole extra width.
    EXPECT_EQ(p.left.geometry().right() + 1, p.right.x());
    EXPECT_EQ(p.left.width() + p.right.width(), 280 + extra.width());
    EXPECT_NEAR(p.left.width() - 100, extra.width() / 3.0, 1);
    // The box, the label and the field inside it move down and keep their sizes.
    EXPECT_EQ(p.box.geometry(), QRect(10, 140 + extra.height(), 200, 50));
    EXPECT_EQ(p.label.geometry(), QRect(20, 150 + extra.height(), 40, 10));
    EXPECT_EQ(p.field.geometry(), QRect(70, 150 + extra.height(), 60, 12));
    // A control outside every named area stays where it was placed.
    EXPECT_EQ(p.outside.geometry(), QRect(220, 150, 60, 12));
  }
}

}  // namespace
