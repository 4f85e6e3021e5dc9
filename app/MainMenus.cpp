#include "app/MainMenus.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/AppIcons.h"
#include "app/AppTexts.h"
#include "widgets/ElidedLabel.h"
#include "app/MainActions.h"
#include "widgets/CommandAction.h"
#include "widgets/Texts.h"

using Texts::Q;

namespace {

// The two transfer buttons carry no tool tip; a tool button would otherwise show its
// action's text.
class NoToolTip : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ToolTip) return true;
    return QObject::eventFilter(watched, event);
  }
};

QMenu* AddMenu(QMenuBar& bar, const char* title, const char* name, const QList<QAction*>& items) {
  QMenu* menu = bar.addMenu(Q(title));
  menu->setObjectName(QString::fromLatin1(name));
  CommandAction::AddItems(*menu, items);
  return menu;
}

}  // namespace

namespace MainMenus {

QMenu* BuildMenuBar(QMainWindow& window, const MainActions& a) {
  using namespace AppTexts;
  QMenuBar* bar = window.menuBar();
  bar->setObjectName(QStringLiteral("menuBar"));
  const FileActions& f = a.file;
  const ExchangeActions& x = a.exchange;
  const PrintActions& p = a.print;
  QList<QAction*> file = {f.open,       f.openReceived, f.save,         f.saveAs,  nullptr,     x.compareWith,
                          x.exportFile, x.importFile,   x.applyOrder,   nullptr,   p.printList, p.exportPdf,
                          nullptr,      f.recentPlace};
  file << f.recent << nullptr << f.close << a.window.exit;
  QMenu* fileMenu = AddMenu(*bar, kMenuFile, "fileMenu", file);
  AddMenu(*bar, kMenuEdit, "editMenu", {a.window.undo, a.window.redo});
  QMenu* view = AddMenu(*bar, kMenuView, "viewMenu", {a.window.toolbar, a.window.statusBar});
  QMenu* language = view->addMenu(Q(kMenuLanguage));
  language->setObjectName(QStringLiteral("languageMenu"));
  CommandAction::AddItems(*language, a.window.languages);
  AddMenu(*bar, kMenuTransfer, "transferMenu", {a.transfer.receive, a.transfer.send});
  AddMenu(*bar, kMenuTools, "toolsMenu",
          {a.transfer.config, x.checkDatabase, x.findDuplicates, a.transponderList.updateTransponders});
  AddMenu(*bar, kMenuHelp, "helpMenu", {a.window.about});
  return fileMenu;
}

QToolBar* BuildToolBar(QMainWindow& window, const MainActions& a) {
  using namespace AppTexts;
  auto* toolBar = new QToolBar(Q(kToolbarName), &window);
  toolBar->setObjectName(QStringLiteral("toolBar"));
  toolBar->setIconSize(QSize(16, 15));
  toolBar->setMovable(true);
  toolBar->setFloatable(true);
  toolBar->setAllowedAreas(Qt::AllToolBarAreas);
  window.addToolBar(Qt::TopToolBarArea, toolBar);

  // Toolbar buttons have actions of their own: their texts and tips differ from the
  // menu items' while the command is the same.
  auto button = [toolBar](QAction* command, const char* name, const QString& text, const char* tip,
                          const char* prompt) {
    auto* action = new QAction(AppIcons::Toolbar(QString::fromLatin1(name)), text, toolBar);
    action->setObjectName(QStringLiteral("tool_%1").arg(QString::fromLatin1(name)));
    if (tip) action->setToolTip(Q(tip));
    action->setStatusTip(prompt ? Q(prompt) : QString());
    QObject::connect(action, &QAction::triggered, command, &QAction::trigger);
    toolBar->addAction(action);
    QWidget* w = toolBar->widgetForAction(action);
    w->setObjectName(QStringLiteral("toolButton_%1").arg(QString::fromLatin1(name)));
    w->setAccessibleName(text);
    if (!tip) w->installEventFilter(new NoToolTip(w));
  };
  button(a.file.open, "open", Q(kTipOpen), kTipOpen, kPromptOpen);
  button(a.file.save, "save", Q(kTipSave), kTipSave, kPromptSave);
  toolBar->addSeparator();
  button(a.transfer.receive, "receive", Q(kMenuReceive), nullptr, nullptr);
  button(a.transfer.send, "send", Q(kMenuSend), nullptr, nullptr);
  toolBar->addSeparator();
  button(a.window.about, "about", Q(kTipAbout), kTipAbout, nullptr);

  QAction* shown = a.window.toolbar;
  QObject::connect(shown, &QAction::toggled, toolBar, &QToolBar::setVisible);
  QObject::connect(toolBar, &QToolBar::visibilityChanged, shown, [&window, shown](bool visible) {
    // Hiding the window hides its bars too; only a bar of a shown window counts.
    if (window.isVisible()) shown->setChecked(visible);
  });
  return toolBar;
}

QLabel* BuildStatusBar(QMainWindow& window, const MainActions& a) {
  using namespace AppTexts;
  QStatusBar* bar = window.statusBar();
  bar->setObjectName(QStringLiteral("statusBar"));
  // The message pane shows "Ready" whenever no prompt is shown over it.
  // A long message keeps its end (the reason) in view: cut in the middle.
  auto* messagePane = new ElidedLabel(Q(kReady), bar);
  messagePane->setObjectName(QStringLiteral("messagePane"));
  messagePane->setAccessibleName(Q(kMessagePaneName));
  bar->addWidget(messagePane, 1);
  for (const char* text : {kIndicatorCaps, kIndicatorNum, kIndicatorScroll}) {
    auto* indicator = new QLabel(Q(text), bar);
    indicator->setObjectName(QStringLiteral("indicator%1").arg(Q(text)));
    indicator->setFrameShape(QFrame::StyledPanel);
    indicator->setFrameShadow(QFrame::Sunken);
    indicator->setAlignment(Qt::AlignCenter);
    indicator->setMinimumWidth(indicator->fontMetrics().horizontalAdvance(Q(text)) + 12);
    bar->addPermanentWidget(indicator);
  }
  QObject::connect(a.window.statusBar, &QAction::toggled, bar, &QStatusBar::setVisible);
  return messagePane;
}

}  // namespace MainMenus
