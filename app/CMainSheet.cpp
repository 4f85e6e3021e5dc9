#include "app/CMainSheet.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QTabBar>

#include "app/AppTexts.h"
#include "db/document/CQuelmarDoc.h"
#include "widgets/Texts.h"

CMainSheet::CMainSheet(CQuelmarDoc& doc, QWidget* parent)
    : QTabWidget(parent),
      doc_(doc),
      groupCh_(doc, *this, nullptr),
      satTP_(doc, *this, nullptr) {
  setObjectName(QStringLiteral("CMainSheet"));
  setAccessibleName(Texts::Q(AppTexts::kSheetName));
  // The sheet is as large as its pages like to be, and no smaller than the least they
  // take; the view holding it gives it more in a larger window and scrolls it in a
  // smaller one.
  addTab(&satTP_, CPageSatTP::Title());
  addTab(&groupCh_, CPageGroupCh::Title());
  connect(this, &QTabWidget::currentChanged, this, &CMainSheet::OnTabActivated);

  // Ctrl+Tab and Ctrl+Shift+Tab change the page from any control on it; a drop-down list
  // would otherwise take the key for its own search.
  for (const auto& [keys, step] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                                   {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1}}) {
    auto* shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, step] {
      if (ResolveShownPage()) setCurrentIndex((currentIndex() + step + count()) % count());
    });
  }
  tabBar()->installEventFilter(this);
}

bool CMainSheet::ResolveInfoEdits() { return satTP_.ResolveInfoEdits() && groupCh_.ResolveInfoEdits(); }

bool CMainSheet::ResolveShownPage() {
  if (currentWidget() == &satTP_) return satTP_.ResolveInfoEdits();
  if (currentWidget() == &groupCh_) return groupCh_.ResolveInfoEdits();
  return true;
}

bool CMainSheet::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tabBar()) {
    bool leaves = false;
    if (event->type() == QEvent::MouseButtonPress) {
      const int tab = tabBar()->tabAt(static_cast<QMouseEvent*>(event)->position().toPoint());
      leaves = tab >= 0 && tab != currentIndex();
    } else if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      leaves = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down ||
               key == Qt::Key_Home || key == Qt::Key_End;
    } else if (event->type() == QEvent::Wheel) {
      leaves = true;
    }
    if (leaves && !ResolveShownPage()) {
      event->accept();
      return true;
    }
  }
  return QTabWidget::eventFilter(watched, event);
}

CMainSheet::~CMainSheet() {
  // Removing the dying pages changes the current tab; no page may be activated then.
  disconnect(this, &QTabWidget::currentChanged, this, nullptr);
}

void CMainSheet::ActivateAll() {
  if (currentIndex() != 0) {
    setCurrentIndex(0);
  } else {
    satTP_.Activate();
  }
  setCurrentIndex(1);
  setCurrentIndex(0);
}

void CMainSheet::OnTabActivated(int index) {
  if (index == 0) {
    satTP_.Activate();
  } else if (index == 1) {
    groupCh_.Activate();
  }
}

int CMainSheet::DbType() const { return doc_.GetDbType(); }
