#include "app/CMainFrame.h"

#include <algorithm>

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <ctime>
#include <filesystem>

#include "app/AppIcons.h"
#include "app/AppTexts.h"
#include "app/CAboutDlg.h"
#include "app/CExchangeCommands.h"
#include "app/CReceivedDlg.h"
#include "app/EditSteps.h"
#include "app/CMainSheet.h"
#include "app/CQuelmarApp.h"
#include "app/CQuelmarView.h"
#include "widgets/AccessibleTree.h"
#include "widgets/CommandIds.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"
#include "db/DbTexts.h"
#include "ui/DuplicateTexts.h"
#include "ui/ExchangeDialogTexts.h"
#include "db/ReceivedImages.h"
#include "ui/transfer/CCOMPortDlg.h"
#include "ui/transfer/CFileRcvDlg.h"
#include "ui/transfer/CFileSndDlg.h"

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

bool IsSatTPCommand(int id) {
  return id == CommandId::kAddSatellite || id == CommandId::kDeleteSatellite ||
         id == CommandId::kAddTransponder || id == CommandId::kDeleteTransponder ||
         id == CommandId::kEditTransponder;
}

bool IsProgramCommand(int id) {
  return id == CommandId::kAddProgram || id == CommandId::kDeleteProgram || id == CommandId::kMoveTo ||
         id == CommandId::kSortByName || id == CommandId::kSortBySatellite || id == CommandId::kSortByServiceId ||
         id == CommandId::kReverseOrder;
}

}  // namespace

CMainFrame::CMainFrame(CQuelmarApp& app)
    : app_(app), title_(Q(AppTexts::kUntitled)) {
  setObjectName(QStringLiteral("CMainFrame"));
  view_ = new CQuelmarView(app_.Doc(), this, this);
  setCentralWidget(view_);
  exchange_ = new CExchangeCommands(app_, *this);
  steps_ = new EditSteps(app_.Doc(), this);
  connect(steps_, &EditSteps::StepApplied, this, &CMainFrame::ShowStepApplied);
  CreateActions();
  CreateMenus();
  CreateToolBar();
  CreateStatusBar();
  CreateContextMenus();
  resize(kWidth, kHeight);
  UpdateTitle();
  placement_ = WindowPlacement::Load();
  pendingPage_ = placement_.page;
  connect(view_, &CQuelmarView::SheetBuilt, this, &CMainFrame::OnSheetBuilt);
  connect(view_, &CQuelmarView::ModifiedChanged, this, &QWidget::setWindowModified);
}

CMainFrame::~CMainFrame() = default;

QAction* CMainFrame::MakeAction(int commandId, const char* text, const char* statusTip) {
  auto* action = new QAction(Q(text), this);
  action->setObjectName(QStringLiteral("command%1").arg(commandId));
  action->setData(commandId);
  // Only the standard items have a prompt; the status pane falls back to "Ready".
  action->setStatusTip(statusTip ? Q(statusTip) : QString());
  connect(action, &QAction::triggered, this, [this, commandId] { OnCommand(commandId); });
  actions_[commandId] = action;
  return action;
}

void CMainFrame::CreateActions() {
  using namespace AppTexts;
  // New has no menu item; Ctrl+N reaches it through the window.
  QAction* fileNew = MakeAction(CommandId::kFileNew, kUntitled);
  fileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  addAction(fileNew);

  MakeAction(CommandId::kFileOpen, kMenuOpen, kPromptOpen)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  MakeAction(CommandId::kFileSave, kMenuSave, kPromptSave)
      ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  // The "Crtl+A" shown beside Save As is only text; no key is bound to it.
  MakeAction(CommandId::kFileSaveAs, kMenuSaveAs, kPromptSaveAs);
  MakeAction(CommandId::kOpenReceived, kMenuOpenReceived, kPromptOpenReceived);
  CreateEditActions();
  MakeAction(CommandId::kClose, kMenuClose);
  MakeAction(CommandId::kAppExit, kMenuExit, kPromptExit);
  MakeAction(CommandId::kReceiveFromStb, kMenuReceive);
  MakeAction(CommandId::kSendToStb, kMenuSend);
  MakeAction(CommandId::kConfigSetting, kMenuConfig);
  MakeAction(CommandId::kAppAbout, kMenuAbout);
  for (auto [id, text] : {std::pair{CommandId::kCheckDatabase, ExchangeDialogTexts::kMenuCheckDatabase},
                          std::pair{CommandId::kCompareWith, ExchangeDialogTexts::kMenuCompareWith},
                          std::pair{CommandId::kExport, ExchangeDialogTexts::kMenuExport},
                          std::pair{CommandId::kImport, ExchangeDialogTexts::kMenuImport}})
    MakeAction(id, "")->setText(QString::fromUtf8(text));  // UTF-8: the ellipsis
  MakeAction(CommandId::kFindDuplicates, DuplicateTexts::kMenuFindDuplicates);
  for (auto& [id, action] : actions_) action->setShortcutContext(Qt::WindowShortcut);

  // F10 opens the menu bar, as in the desktop's other programs (Alt does too). It
  // gives no command, only a way into the menus.
  auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
  menuKey->setObjectName(QStringLiteral("openMenuBar"));
  connect(menuKey, &QShortcut::activated, this, [this] {
    const QList<QAction*> menus = menuBar()->actions();
    if (!menus.isEmpty()) menuBar()->setActiveAction(menus.front());
  });
}

// Undo and Redo name the step they would take back or do again, and are greyed while
// there is none.
void CMainFrame::CreateEditActions() {
  using namespace AppTexts;
  QUndoStack& stack = steps_->Stack();
  const auto follow = [](QAction* action, const char* prefix, const QString& text) {
    action->setText(text.isEmpty() ? Q(prefix) : Q(prefix) + QLatin1Char(' ') + text);
  };
  QAction* undo = MakeAction(CommandId::kEditUndo, kMenuUndo, kPromptUndo);
  undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  undo->setEnabled(false);
  connect(&stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
  connect(&stack, &QUndoStack::undoTextChanged, undo, [=](const QString& text) { follow(undo, kMenuUndo, text); });
  QAction* redo = MakeAction(CommandId::kEditRedo, kMenuRedo, kPromptRedo);
  redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  redo->setEnabled(false);
  connect(&stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
  connect(&stack, &QUndoStack::redoTextChanged, redo, [=](const QString& text) { follow(redo, kMenuRedo, text); });
}

// After an undo or redo both pages show the working database again (the document's
// notice has them refresh), and the record the step changed is selected on its page,
// which comes to the front.
void CMainFrame::ShowStepApplied(const StepSubject& subject) {
  CMainSheet* sheet = view_->Sheet();
  if (!sheet || !app_.Doc().HasData()) return;
  if (sheet->SatTPPage()->ShowRecord(subject)) {
    sheet->setCurrentWidget(sheet->SatTPPage());
  } else if (sheet->GroupChPage()->ShowRecord(subject)) {
    sheet->setCurrentWidget(sheet->GroupChPage());
  }
}

void CMainFrame::CreateMenus() {
  using namespace AppTexts;
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("menuBar"));

  fileMenu_ = bar->addMenu(Q(kMenuFile));
  fileMenu_->setObjectName(QStringLiteral("fileMenu"));
  fileMenu_->addAction(actions_[CommandId::kFileOpen]);
  fileMenu_->addAction(actions_[CommandId::kOpenReceived]);
  fileMenu_->addAction(actions_[CommandId::kFileSave]);
  fileMenu_->addAction(actions_[CommandId::kFileSaveAs]);
  fileMenu_->addSeparator();
  for (int id : {CommandId::kCompareWith, CommandId::kExport, CommandId::kImport}) fileMenu_->addAction(actions_[id]);
  fileMenu_->addSeparator();
  recentPlace_ = fileMenu_->addAction(Q(kMenuRecentFile));
  recentPlace_->setObjectName(QStringLiteral("recentFile"));
  for (int i = 0; i < CRecentFileList::kSize; ++i) {
    const int id = kRecentFileFirst + i;
    auto* action = new QAction(this);
    action->setObjectName(QStringLiteral("command%1").arg(id));
    action->setData(id);
    action->setStatusTip(Q(kPromptRecent));
    action->setVisible(false);
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    fileMenu_->addAction(action);
    recentActions_ << action;
  }
  fileMenu_->addSeparator();
  fileMenu_->addAction(actions_[CommandId::kClose]);
  fileMenu_->addAction(actions_[CommandId::kAppExit]);
  // The list is shown each time the menu opens, as the last load or save left it.
  connect(fileMenu_, &QMenu::aboutToShow, this, &CMainFrame::UpdateRecentFileMenu);
  UpdateRecentFileMenu();

  QMenu* edit = bar->addMenu(Q(kMenuEdit));
  edit->setObjectName(QStringLiteral("editMenu"));
  edit->addAction(actions_[CommandId::kEditUndo]);
  edit->addAction(actions_[CommandId::kEditRedo]);

  QMenu* view = bar->addMenu(Q(kMenuView));
  view->setObjectName(QStringLiteral("viewMenu"));
  toolbarAction_ = view->addAction(Q(kMenuToolbar));
  toolbarAction_->setObjectName(QStringLiteral("command%1").arg(kViewToolbar));
  toolbarAction_->setCheckable(true);
  toolbarAction_->setChecked(true);
  toolbarAction_->setStatusTip(Q(kPromptToolbar));
  statusBarAction_ = view->addAction(Q(kMenuStatusBar));
  statusBarAction_->setObjectName(QStringLiteral("command%1").arg(kViewStatusBar));
  statusBarAction_->setCheckable(true);
  statusBarAction_->setChecked(true);
  statusBarAction_->setStatusTip(Q(kPromptStatusBar));
  actions_[kViewToolbar] = toolbarAction_;
  actions_[kViewStatusBar] = statusBarAction_;

  QMenu* transfer = bar->addMenu(Q(kMenuTransfer));
  transfer->setObjectName(QStringLiteral("transferMenu"));
  transfer->addAction(actions_[CommandId::kReceiveFromStb]);
  transfer->addAction(actions_[CommandId::kSendToStb]);

  QMenu* tools = bar->addMenu(Q(kMenuTools));
  tools->setObjectName(QStringLiteral("toolsMenu"));
  tools->addAction(actions_[CommandId::kConfigSetting]);
  tools->addAction(actions_[CommandId::kCheckDatabase]);
  tools->addAction(actions_[CommandId::kFindDuplicates]);

  QMenu* help = bar->addMenu(Q(kMenuHelp));
  help->setObjectName(QStringLiteral("helpMenu"));
  help->addAction(actions_[CommandId::kAppAbout]);
}

void CMainFrame::CreateToolBar() {
  using namespace AppTexts;
  toolBar_ = new QToolBar(Q(kToolbarName), this);
  toolBar_->setObjectName(QStringLiteral("toolBar"));
  toolBar_->setIconSize(QSize(16, 15));
  toolBar_->setMovable(true);
  toolBar_->setFloatable(true);
  toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
  addToolBar(Qt::TopToolBarArea, toolBar_);

  // Toolbar buttons have actions of their own: their texts and tips differ from the
  // menu items' while the command is the same.
  auto button = [this](int id, const char* icon, const QString& text, const char* tip,
                       const char* prompt) {
    auto* action = new QAction(AppIcons::Toolbar(Q(icon)), text, this);
    action->setObjectName(QStringLiteral("tool%1").arg(id));
    action->setData(id);
    if (tip) action->setToolTip(Q(tip));
    action->setStatusTip(prompt ? Q(prompt) : QString());
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    toolBar_->addAction(action);
    QWidget* w = toolBar_->widgetForAction(action);
    w->setObjectName(QStringLiteral("toolButton%1").arg(id));
    w->setAccessibleName(text);
    if (!tip) w->installEventFilter(new NoToolTip(w));
    return action;
  };
  button(CommandId::kFileOpen, "open", Q(kTipOpen), kTipOpen, kPromptOpen);
  button(CommandId::kFileSave, "save", Q(kTipSave), kTipSave, kPromptSave);
  toolBar_->addSeparator();
  button(CommandId::kReceiveFromStb, "receive", Q(kMenuReceive), nullptr, nullptr);
  button(CommandId::kSendToStb, "send", Q(kMenuSend), nullptr, nullptr);
  toolBar_->addSeparator();
  button(CommandId::kAppAbout, "about", Q(kTipAbout), kTipAbout, nullptr);

  connect(toolbarAction_, &QAction::toggled, toolBar_, &QToolBar::setVisible);
  connect(toolBar_, &QToolBar::visibilityChanged, this, [this](bool visible) {
    // Hiding the window hides its bars too; only a bar of a shown window counts.
    if (isVisible()) toolbarAction_->setChecked(visible);
  });
}

void CMainFrame::CreateStatusBar() {
  using namespace AppTexts;
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("statusBar"));
  // The message pane shows "Ready" whenever no prompt is shown over it.
  messagePane_ = new QLabel(Q(kReady), bar);
  messagePane_->setObjectName(QStringLiteral("messagePane"));
  messagePane_->setAccessibleName(QStringLiteral("Message"));
  bar->addWidget(messagePane_, 1);
  for (const char* text : {kIndicatorCaps, kIndicatorNum, kIndicatorScroll}) {
    auto* indicator = new QLabel(Q(text), bar);
    indicator->setObjectName(QStringLiteral("indicator%1").arg(Q(text)));
    indicator->setFrameShape(QFrame::StyledPanel);
    indicator->setFrameShadow(QFrame::Sunken);
    indicator->setAlignment(Qt::AlignCenter);
    indicator->setMinimumWidth(indicator->fontMetrics().horizontalAdvance(Q(text)) + 12);
    bar->addPermanentWidget(indicator);
  }
  connect(statusBarAction_, &QAction::toggled, bar, &QStatusBar::setVisible);
}

void CMainFrame::CreateContextMenus() {
  using namespace AppTexts;
  auto menu = [this](ContextMenu which, const char* name,
                     std::initializer_list<std::pair<int, const char*>> items) {
    auto* m = new QMenu(Q(name), this);
    m->setObjectName(Q(name));
    m->setAccessibleName(Q(name));
    for (auto [id, text] : items) {
      QAction* a = m->addAction(Q(text));
      a->setObjectName(QStringLiteral("command%1").arg(id));
      a->setData(id);
      // Pressed from the accessibility tree, with no popup open: the command runs as if
      // chosen from the popup. A popup's choice is taken from its return.
      connect(a, &QAction::triggered, this, [this, id] {
        if (!popupOpen_) OnCommand(id);
      });
    }
    contextMenus_[which] = m;
  };
  menu(ContextMenu::SatMenu, kSatMenu,
       {{CommandId::kAddSatellite, kAddSatellite}, {CommandId::kDeleteSatellite, kDeleteSatellite}});
  menu(ContextMenu::TpMenu, kTpMenu,
       {{CommandId::kAddTransponder, kAddTransponder},
        {CommandId::kDeleteTransponder, kDeleteTransponder},
        {CommandId::kEditTransponder, kEditTransponder}});
  menu(ContextMenu::PopMenu, kPopMenu,
       {{CommandId::kAddProgram, kAddProgram}, {CommandId::kDeleteProgram, kDeleteProgram}});
  // Arranging the list the menu was opened on.
  QMenu* pop = contextMenus_[ContextMenu::PopMenu];
  auto add = [this](QMenu* m, int id, const QString& text) {
    QAction* a = m->addAction(text);
    a->setObjectName(QStringLiteral("command%1").arg(id));
    a->setData(id);
    connect(a, &QAction::triggered, this, [this, id] {
      if (!popupOpen_) OnCommand(id);
    });
  };
  add(pop, CommandId::kMoveTo, QString::fromUtf8(kMoveTo));
  QMenu* sort = pop->addMenu(Q(kSortMenu));
  sort->setObjectName(Q(kSortMenu));
  for (auto [id, text] : {std::pair{CommandId::kSortByName, kSortByName},
                          {CommandId::kSortBySatellite, kSortBySatellite},
                          {CommandId::kSortByServiceId, kSortByServiceId},
                          {CommandId::kReverseOrder, kReverseOrder}})
    add(sort, id, Q(text));
  AccessibleTree::ListMenus(*this, {contextMenus_[ContextMenu::SatMenu], contextMenus_[ContextMenu::TpMenu],
                                    contextMenus_[ContextMenu::PopMenu]});
}

QMenu* CMainFrame::ContextMenuOf(ContextMenu menu) const {
  auto it = contextMenus_.find(menu);
  return it == contextMenus_.end() ? nullptr : it->second;
}

QAction* CMainFrame::ActionFor(int commandId) const {
  auto it = actions_.find(commandId);
  if (it != actions_.end()) return it->second;
  for (QAction* a : recentActions_) {
    if (a->data().toInt() == commandId) return a;
  }
  return nullptr;
}

void CMainFrame::PopupContextMenu(ContextMenu menu, const QPoint& globalPos) {
  QMenu* m = ContextMenuOf(menu);
  if (!m) return;
  popupOpen_ = true;
  QAction* chosen = Prompt::Popup(*m, globalPos);
  popupOpen_ = false;
  if (chosen) OnCommand(chosen->data().toInt());
}

void CMainFrame::UpdateRecentFileMenu() {
  const QStringList& files = app_.RecentFiles().Files();
  recentPlace_->setVisible(files.isEmpty());
  recentPlace_->setEnabled(false);
  for (int i = 0; i < recentActions_.size(); ++i) {
    QAction* a = recentActions_[i];
    if (i < files.size()) {
      // A "&" in a path is shown, not taken as the entry's keyboard mnemonic.
      QString shown = QDir::toNativeSeparators(files[i]);
      shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
      a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
      a->setVisible(true);
    } else {
      a->setVisible(false);
    }
  }
}

void CMainFrame::UpdateTitle() {
  // "[*]" is where the desktop's modified marker shows while the document is modified.
  QString shown = title_;
  shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));  // a file's own "[*]" is shown as such
  setWindowTitle(QStringLiteral("%1[*] - %2").arg(shown, Q(Texts::kAppTitle)));
  setWindowModified(app_.Doc().IsModified());
}

void CMainFrame::CenterOnScreen() {
  QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!s) return;
  const QRect area = s->geometry();
  const QSize frameSize = frameGeometry().size();
  PlaceWindow(size(), QPoint(area.x() + (area.width() - frameSize.width()) / 2,
                             area.y() + (area.height() - frameSize.height()) / 2));
}

void CMainFrame::ShowAtStart() {
  if (placement_.FitsAScreen()) {
    placeRestored_ = true;
    setGeometry(placement_.geometry);
    if (placement_.maximized) {
      showMaximized();
    } else {
      show();
    }
    return;
  }
  show();
  CenterOnScreen();
  GrowToShowSheet();
}

void CMainFrame::PlaceWindow(const QSize& size, const QPoint& framePos) {
  resize(size);
  move(framePos);
  placedSize_ = size;
  placedPos_ = framePos;
}

bool CMainFrame::MovedByUser() const {
  return isMaximized() || isFullScreen() || size() != placedSize_ || pos() != placedPos_;
}

void CMainFrame::OnSheetBuilt() {
  if (CMainSheet* sheet = view_->Sheet(); sheet && pendingPage_ >= 0) {
    if (pendingPage_ < sheet->count()) sheet->setCurrentIndex(pendingPage_);
    pendingPage_ = -1;
  }
  if (isVisible()) GrowToShowSheet();
}

void CMainFrame::GrowToShowSheet() {
  CMainSheet* sheet = view_->Sheet();
  if (!sheet || grown_ || placeRestored_ || !isVisible() || MovedByUser()) return;
  QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!s) return;
  if (layout()) layout()->activate();
  // Menu, toolbar and status bar take what the window has beyond its view.
  const QSize around = size() - view_->size();
  const QSize frame = frameGeometry().size() - size();
  const QRect area = s->availableGeometry();
  const QSize wanted = (around + sheet->minimumSize()).boundedTo(area.size() - frame).expandedTo(size());
  if (wanted == size()) return;
  grown_ = true;
  const QSize outer = wanted + frame;
  PlaceWindow(wanted, QPoint(std::max(area.x(), area.x() + (area.width() - outer.width()) / 2),
                             std::max(area.y(), area.y() + (area.height() - outer.height()) / 2)));
}

void CMainFrame::SavePlacement() const {
  WindowPlacement kept;
  kept.geometry = normalGeometry();
  kept.maximized = isMaximized();
  const CMainSheet* sheet = view_->Sheet();
  kept.page = sheet ? sheet->currentIndex() : placement_.page;
  kept.Save();
}

// ---- commands -----------------------------------------------------------------

void CMainFrame::OnCommand(int commandId) {
  switch (commandId) {
    case CommandId::kFileNew: OnFileNew(); return;
    case CommandId::kFileOpen: OnFileOpen(); return;
    case CommandId::kOpenReceived: OnOpenReceived(); return;
    case CommandId::kEditUndo: steps_->Stack().undo(); return;
    case CommandId::kEditRedo: steps_->Stack().redo(); return;
    case CommandId::kFileSave: OnFileSave(false); return;
    case CommandId::kFileSaveAs: OnFileSave(true); return;
    case CommandId::kClose: OnFileClose(); return;
    case CommandId::kAppExit: close(); return;
    case CommandId::kConfigSetting: OnConfigSetting(); return;
    case CommandId::kReceiveFromStb: OnReceiveFromStb(); return;
    case CommandId::kSendToStb: OnSendToStb(); return;
    case CommandId::kAppAbout: OnAbout(); return;
    case kViewToolbar: toolbarAction_->toggle(); return;
    case kViewStatusBar: statusBarAction_->toggle(); return;
    default: break;
  }
  if (exchange_->OnCommand(commandId)) return;
  if (commandId >= kRecentFileFirst && commandId < kRecentFileFirst + CRecentFileList::kSize) {
    OnRecentFile(commandId - kRecentFileFirst);
    return;
  }
  ForwardToPages(commandId);
}

void CMainFrame::ForwardToPages(int commandId) {
  CMainSheet* sheet = view_->Sheet();
  if (!sheet) return;
  if (IsSatTPCommand(commandId)) {
    sheet->SatTPPage()->OnCommand(commandId);
  } else if (IsProgramCommand(commandId)) {
    sheet->GroupChPage()->OnCommand(commandId);
  }
}

bool CMainFrame::SaveModified() {
  if (!view_->ResolveInfoEdits()) return false;
  if (!app_.Doc().IsModified()) return true;
  const QString name = title_.isEmpty() ? Q(AppTexts::kUntitled) : title_;
  switch (Prompt::Message(this, Q(AppTexts::kSaveChanges).arg(name),
                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                          QMessageBox::Warning)) {
    case QMessageBox::Yes: return OnFileSave(false);
    case QMessageBox::No: return true;
    default: return false;
  }
}

void CMainFrame::OnFileNew() {
  if (!SaveModified()) return;
  // The database and the sheet stay as they are; only the file identity goes.
  DocumentWithoutFile();
  app_.Doc().SetModifiedFlag(false);
}

void CMainFrame::DocumentWithoutFile() {
  path_.clear();
  nativePath_.clear();
  title_ = Q(AppTexts::kUntitled);
  steps_->Clear();
  UpdateTitle();
}

void CMainFrame::OnFileOpen() {
  if (!SaveModified()) return;
  const QString path =
      Prompt::OpenFileName(this, Q(AppTexts::kOpenCaption), Q(AppTexts::kFileFilter));
  if (path.isEmpty()) return;
  OpenDocumentFile(path);
}

// After a successful open or save the document is that file: unmodified, titled by
// its name and first in the recent-file list.
void CMainFrame::DocumentNowAt(const QByteArray& nativePath) {
  app_.Doc().SetModifiedFlag(false);
  // The file system's own bytes name the file; the window shows them decoded.
  const std::filesystem::path absolute =
      std::filesystem::absolute(std::filesystem::path(nativePath.toStdString())).lexically_normal();
  nativePath_ = QByteArray::fromStdString(absolute.string());
  path_ = QFile::decodeName(nativePath_);
  title_ = QFile::decodeName(QByteArray::fromStdString(absolute.filename().string()));
  app_.RecentFiles().Add(path_);
  UpdateRecentFileMenu();
  UpdateTitle();
}

bool CMainFrame::OpenDocumentFile(const QString& path) { return OpenNativeFile(QFile::encodeName(path)); }

bool CMainFrame::OpenNativeFile(const QByteArray& nativePath) {
  const DocResult result = app_.Doc().Open(nativePath.toStdString());
  if (!result) {
    Prompt::Message(this, QFile::decodeName(QByteArray::fromStdString(result.message)));
    return false;
  }
  DocumentNowAt(nativePath);
  // Laid out for another receiver variant: switched when the user agrees, then read again.
  // Should that fail (the file changed in between), the document still holds the file as
  // first read, and the setting goes back with it: a save must not lay it out anew.
  const LinkSettings before = app_.Settings();
  if (exchange_->OfferOtherVariantOfFile(nativePath.toStdString()) && !OpenNativeFile(nativePath))
    app_.SetSettings(before);
  return true;
}

void CMainFrame::OnRecentFile(int index) {
  const QStringList& files = app_.RecentFiles().Files();
  if (index < 0 || index >= files.size()) return;
  const QString path = files[index];
  if (!SaveModified()) return;
  // A file that no longer opens leaves the list, so it is not offered again.
  if (!OpenDocumentFile(path)) {
    app_.RecentFiles().Remove(path);
    UpdateRecentFileMenu();
  }
}

bool CMainFrame::OnFileSave(bool askName) {
  if (!view_->ResolveInfoEdits()) return false;
  CQuelmarDoc& doc = app_.Doc();
  // Nothing has been loaded yet: there is no database to write.
  if (!doc.HasData()) {
    Prompt::Message(this, Q(DbTexts::kNothingToSave));
    return false;
  }
  QByteArray target = nativePath_;
  if (askName || target.isEmpty()) {
    // A closed document keeps its file's title, which already ends in the extension.
    QString proposed = path_;
    if (proposed.isEmpty()) {
      proposed = title_;
      if (!proposed.endsWith(Q(AppTexts::kFileExtension), Qt::CaseInsensitive)) {
        proposed += Q(AppTexts::kFileExtension);
      }
    }
    QString path = Prompt::SaveFileName(this, Q(AppTexts::kSaveAsCaption), proposed,
                                        Q(AppTexts::kFileFilter));
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += Q(AppTexts::kFileExtension);
    target = QFile::encodeName(path);
  }
  DocResult result = doc.Save(target.toStdString());
  if (result.Is(ResultCode::ChangedOnDisk)) {
    // Another program wrote the file since it was opened: overwrite only when asked to.
    if (Prompt::Message(this, QString::fromStdString(result.message), QMessageBox::Yes | QMessageBox::No,
                        QMessageBox::Warning, QMessageBox::No) != QMessageBox::Yes)
      return false;
    result = doc.Save(target.toStdString(), true);
  }
  if (!result) {
    Prompt::Message(this, QFile::decodeName(QByteArray::fromStdString(result.message)));
    return false;
  }
  DocumentNowAt(target);
  steps_->MarkSaved();
  if (!result.notice.empty()) ShowNotice(QFile::decodeName(QByteArray::fromStdString(result.notice)));
  return true;
}

void CMainFrame::ShowNotice(const QString& text) { messagePane_->setText(text); }

void CMainFrame::OnOpenReceived() {
  if (!SaveModified()) return;
  CReceivedDlg dlg(received::Folder(), this);
  if (Prompt::Exec(dlg) != QDialog::Accepted || dlg.ChosenPath().empty()) return;
  const DocResult result = app_.Doc().Open(dlg.ChosenPath());
  if (!result) {
    Prompt::Message(this, QFile::decodeName(QByteArray::fromStdString(result.message)));
    return;
  }
  // A copy to start from, not a file to write back into: saving asks for a name.
  path_.clear();
  nativePath_.clear();
  title_ = Q(AppTexts::kUntitled);
  app_.Doc().SetModifiedFlag(false);
  UpdateTitle();
}

void CMainFrame::KeepReceived(const std::vector<std::uint8_t>& image) {
  const received::KeepResult kept = received::Keep(image.data(), image.size(), std::time(nullptr));
  if (!kept.ok) {
    ShowNotice(QFile::decodeName(QByteArray::fromStdString(kept.message)));
    return;
  }
  const QString shown = Q(AppTexts::kReceivedKept).arg(QFile::decodeName(QByteArray::fromStdString(kept.path)));
  // Pruning that went against the names is said, not done silently.
  ShowNotice(kept.notice.empty() ? shown : shown + QLatin1Char(' ') + QFile::decodeName(QByteArray::fromStdString(kept.notice)));
}

void CMainFrame::OnFileClose() {
  if (!SaveModified()) return;
  view_->RemoveSheet();
  // The title stays; the database and hasData stay too, so Send and Save still work.
  path_.clear();
  nativePath_.clear();
  app_.Doc().SetModifiedFlag(false);
  // With no pages to show it, nothing is taken back.
  steps_->Clear();
}

void CMainFrame::OnConfigSetting() {
  const LinkSettings& current = app_.Settings();
  CCOMPortDlg dlg(this);
  dlg.baudRateIndex = current.baudRateIndex;
  dlg.comPortIndex = current.comPortIndex;
  dlg.dbType = current.dbType;
  dlg.portDevice = current.portDevice;
  if (Prompt::Exec(dlg) != QDialog::Accepted) return;
  LinkSettings chosen = current;
  chosen.baudRateIndex = dlg.baudRateIndex;
  chosen.comPortIndex = dlg.comPortIndex;
  chosen.dbType = dlg.dbType;
  chosen.portDevice = dlg.portDevice;
  app_.SetSettings(chosen);
}

void CMainFrame::OnReceiveFromStb() {
  // Unsaved edits are asked about before the port opens, as Open asks; kept or not,
  // they stay in the history under the received image.
  if (!SaveModified()) return;
  CQuelmarDoc& doc = app_.Doc();
  std::vector<std::uint8_t> image;
  {
    CFileRcvDlg dlg(app_.Settings(), this);
    if (Prompt::Exec(dlg) != QDialog::Accepted) return;
    image = dlg.TakeImage();
  }
  if (image.empty()) return;
  if (const DocResult acceptable = CQuelmarDoc::CheckReceivedImage(image.data(), image.size()); !acceptable) {
    Prompt::Message(this, QString::fromStdString(acceptable.message));
    return;
  }
  // Laid out for another receiver variant: switched when the user agrees, before it is
  // read (the setting goes back should the load fail).
  const LinkSettings before = app_.Settings();
  exchange_->OfferOtherVariant(image.data());
  if (const DocResult taken = doc.LoadReceivedImage(image.data(), image.size(), AppTexts::kMenuReceive); !taken) {
    app_.SetSettings(before);
    Prompt::Message(this, QString::fromStdString(taken.message));
    return;
  }
  KeepReceived(image);
}

void CMainFrame::OnSendToStb() {
  if (!view_->ResolveInfoEdits() || !app_.Doc().HasData()) return;
  // The receiver refuses or garbles what the check calls an error: asked before sending.
  if (!exchange_->ConfirmSend()) return;
  CFileSndDlg dlg(app_.Settings(), app_.Doc(), this);
  Prompt::Exec(dlg);
}

void CMainFrame::OnAbout() {
  CAboutDlg dlg(this);
  Prompt::Exec(dlg);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!SaveModified()) {
    event->ignore();
    return;
  }
  SavePlacement();
  app_.ExitInstance();
  event->accept();
}
