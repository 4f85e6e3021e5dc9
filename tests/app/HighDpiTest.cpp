// A dense screen: the pictures come from pixmaps drawn at its scale, never from a small
// bitmap blown up. ctest runs these once more with QT_SCALE_FACTOR=2 (test_app_scale2).
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>

#include "AppTestSupport.h"
#include "app/AppIcons.h"
#include "app/CMainFrame.h"
#include "app/CMainSheet.h"
#include "app/CQuelmarApp.h"
#include "app/CQuelmarView.h"

namespace {

class HighDpiTest : public apptest::AppTest {};

TEST_F(HighDpiTest, ToolbarPicturesHaveADoubleSizePixmap) {
  CQuelmarApp app;
  ASSERT_TRUE(app.InitInstance({}));
  for (const char* name : {"open", "save", "receive", "send", "about"}) {
    SCOPED_TRACE(name);
    QAction* action = app.MainFrame()->findChild<QAction*>(QStringLiteral("tool_%1").arg(QLatin1String(name)));
    ASSERT_NE(action, nullptr);
    const QImage drawn(QStringLiteral(":/icons/%1@2x.png").arg(QLatin1String(name)));
    ASSERT_EQ(drawn.size(), QSize(32, 30));
    // What a screen at twice the scale gets is the double-size drawing itself.
    const QImage shown = action->icon().pixmap(QSize(16, 15), 2.0).toImage();
    EXPECT_EQ(shown.size(), QSize(32, 30));
    EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32), drawn.convertToFormat(QImage::Format_ARGB32));
  }
}

TEST_F(HighDpiTest, ApplicationIconIsDrawnAtEveryThemeSize) {
  const QIcon icon = AppIcons::Application();
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    SCOPED_TRACE(size);
    EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
    EXPECT_EQ(icon.pixmap(QSize(size, size), 1.0).size(), QSize(size, size));
  }
  // The About box's 32-pixel picture on a screen at twice the scale: the 64-pixel drawing.
  // (Compared premultiplied, as a pixmap holds the antialiased edges.)
  constexpr auto kFormat = QImage::Format_ARGB32_Premultiplied;
  const QImage about = icon.pixmap(QSize(32, 32), 2.0).toImage().convertToFormat(kFormat);
  EXPECT_EQ(about, QImage(QStringLiteral(":/icons/quelmar-64.png")).convertToFormat(kFormat));
  EXPECT_FALSE(QApplication::windowIcon().isNull());
}

// The About box names the program and its version beside its icon, drawn at the scale
// of the screen it is on.
TEST_F(HighDpiTest, AboutBoxShowsNameVersionAndIconAtTheScreensScale) {
  CQuelmarApp app;
  ASSERT_TRUE(app.InitInstance({}));
  QString caption, version;
  QPixmap shown;
  qreal scale = 0;
  Prompt::QueueDialog([&](QDialog& d) {
    caption = d.windowTitle();
    version = d.findChild<QLabel*>(QStringLiteral("version"))->text();
    shown = d.findChild<QLabel*>(QStringLiteral("icon"))->pixmap();
    scale = d.devicePixelRatioF();
    d.findChild<QPushButton*>(QStringLiteral("ok"))->click();
    return d.result();
  });
  apptest::Trigger(*app.MainFrame(), "appAbout");
  EXPECT_EQ(caption, QStringLiteral("About Quelmar"));
  EXPECT_EQ(version, QStringLiteral("Quelmar Version 1.2"));
  EXPECT_FALSE(shown.isNull());
  EXPECT_EQ(shown.deviceIndependentSize(), QSizeF(32, 32));
  EXPECT_EQ(shown.devicePixelRatio(), scale);
  EXPECT_EQ(shown.size(), QSize(32, 32) * scale);
}

// Every caption on both pages fits its control, whatever the scale: the text is measured
// with the font as the screen draws it.
TEST_F(HighDpiTest, NoCaptionOnThePagesIsCutShort) {
  const QString demo = Path("demo.qdb");
  apptest::WriteSample(demo);
  CQuelmarApp app;
  ASSERT_TRUE(app.InitInstance({demo}));
  CMainSheet* sheet = app.MainFrame()->View()->Sheet();
  ASSERT_NE(sheet, nullptr);
  int checked = 0;
  for (QWidget* page : {static_cast<QWidget*>(sheet->SatTPPage()), static_cast<QWidget*>(sheet->GroupChPage())}) {
    for (QWidget* w : page->findChildren<QWidget*>()) {
      if (!w->isVisibleTo(page)) continue;
      const QFontMetrics fm = w->fontMetrics();
      const QStyle* style = w->style();
      int needed = 0;
      QString text;
      if (auto* label = qobject_cast<QLabel*>(w)) {
        text = label->text();
        needed = fm.horizontalAdvance(text);
      } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
        text = box->text();
        needed = fm.horizontalAdvance(text) + style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
                 style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
      } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        text = button->text();
        needed = fm.horizontalAdvance(text) + 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w);
      } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        text = group->title();
        needed = fm.horizontalAdvance(text);
      }
      if (text.isEmpty()) continue;
      SCOPED_TRACE(text.toStdString());
      ++checked;
      EXPECT_LE(needed, w->width());
      EXPECT_LE(fm.height(), w->height() + 1);
    }
  }
  EXPECT_GT(checked, 30);
}

}  // namespace
