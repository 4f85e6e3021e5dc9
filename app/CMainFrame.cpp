#include "app/CMainFrame.h"

#include <algorithm>

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QUndoStack>

#include "app/AppLanguage.h"
#include "app/AppTexts.h"
#include "app/CAboutDlg.h"
#include "app/CExchangeCommands.h"
#include "app/CMainSheet.h"
#include "app/CQuelmarView.h"
#include "app/EditSteps.h"
#include "app/FileCommands.h"
#include "app/MainMenus.h"
#include "app/PrintCommands.h"
#include "app/RecoveryOffer.h"
#include "app/TransferCommands.h"
#include "app/TransponderListCommands.h"
#include "app/VariantOffer.h"
#include "ui/channels/CPageGroupCh.h"
#include "db/document/CQuelmarDoc.h"
#include "db/document/JournalTexts.h"
#include "db/document/RecoveryFolder.h"
#include "db/document/RecoveryJournal.h"
#include "widgets/CommandAction.h"
#include "widgets/CoreMessages.h"
#include "widgets/Prompt.h"
#include "widgets/Texts.h"

using Texts::Q;

CMainFrame::CMainFrame(CQuelmarDoc& doc, RunSettings& settings, CRecentFileList& recent) : doc_(doc) {
  setObjectName(QStringLiteral("CMainFrame"));
  view_ = new CQuelmarView(doc_, this);
  setCentralWidget(view_);
  steps_ = new EditSteps(doc_, this);
  connect(steps_, &EditSteps::StepApplied, this, &CMainFrame::ShowStepApplied);
  // Told from the journal's own thread when unsaved steps can no longer be kept, and when
  // they can again (a save or the next step tries again).
  const auto tell = [this](const QString& text) {
    QMetaObject::invokeMethod(this, [this, text] { ShowNotice(text); }, Qt::QueuedConnection);
  };
  journal_ = std::make_unique<RecoveryJournal>(
      recovery::Folder(),
      [tell](const std::string& why) { tell(Q(JournalTexts::kRecoveryOff).arg(CoreMessages::Said(why))); },
      [tell] { tell(Q(JournalTexts::kRecoveryOn)); });
  steps_->SetJournal(journal_.get());
  variants_ = std::make_unique<VariantOffer>(doc_, *this);
  files_ = new FileCommands({doc_, recent, *view_, *steps_, *variants_}, *this);
  transfer_ = new TransferCommands({doc_, settings, *view_, *files_, *variants_}, *this);
  exchange_ = new CExchangeCommands({doc_, *view_, *files_}, *this);
  print_ = new PrintCommands({doc_, *files_}, *this);
  auto* transponderList = new TransponderListCommands(doc_, *this);
  connect(transponderList, &TransponderListCommands::Notice, this, &CMainFrame::ShowNotice);
  connect(files_, &FileCommands::Notice, this, &CMainFrame::ShowNotice);
  connect(transfer_, &TransferCommands::Notice, this, &CMainFrame::ShowNotice);
  connect(exchange_, &CExchangeCommands::Notice, this, &CMainFrame::ShowNotice);
  connect(print_, &PrintCommands::Notice, this, &CMainFrame::ShowNotice);
  connect(files_, &FileCommands::TitleChanged, this, &CMainFrame::UpdateTitle);
  actions_.file = files_->Actions();
  actions_.transfer = transfer_->Actions();
  actions_.exchange = exchange_->Actions();
  actions_.print = print_->Actions();
  actions_.transponderList = transponderList->Actions();
  CreateWindowActions();
  QMenu* fileMenu = MainMenus::BuildMenuBar(*this, actions_);
  // The list is shown each time the menu opens, as the last load or save left it.
  connect(fileMenu, &QMenu::aboutToShow, files_, &FileCommands::UpdateRecentFileMenu);
  toolBar_ = MainMenus::BuildToolBar(*this, actions_);
  messagePane_ = MainMenus::BuildStatusBar(*this, actions_);
  if (const QString missing = transfer_->RestoreKeptPort(); !missing.isEmpty()) ShowNotice(missing);
  resize(kWidth, kHeight);
  UpdateTitle();
  placement_ = WindowPlacement::Load();
  pendingPage_ = placement_.page;
  connect(view_, &CQuelmarView::SheetBuilt, this, &CMainFrame::OnSheetBuilt);
  connect(view_, &CQuelmarView::ModifiedChanged, this, &QWidget::setWindowModified);
}

CMainFrame::~CMainFrame() {
  // A window that ends without closing (the session went) keeps its journal.
  steps_->SetJournal(nullptr);
}

bool CMainFrame::OfferRecovery() {
  if (!RecoveryOffer::Run(this, doc_, *steps_)) return false;
  files_->DocumentRestored();
  doc_.RefreshViews();
  UpdateTitle();
  return true;
}

void CMainFrame::CreateLanguageActions() {
  using AppLanguage::Choice;
  auto* group = new QActionGroup(this);
  const Choice chosen = AppLanguage::Chosen();
  for (auto [choice, name, text] : {std::tuple{Choice::System, "languageSystem", Q(AppTexts::kLanguageSystem)},
                                    {Choice::English, "languageEnglish", Q(AppTexts::kLanguageEnglish)},
                                    {Choice::German, "languageGerman", Q(AppTexts::kLanguageGerman)}}) {
    QAction* item = CommandAction::Make(
        *this, name, text,
        [this, choice] {
          if (choice == AppLanguage::Chosen()) return;
          AppLanguage::Choose(choice);
          Prompt::Message(this, Q(AppTexts::kLanguageAtRestart), QMessageBox::Ok, QMessageBox::Information);
        },
        Q(AppTexts::kPromptLanguage));
    item->setCheckable(true);
    item->setChecked(choice == chosen);
    group->addAction(item);
    actions_.window.languages << item;
  }
}

void CMainFrame::CreateWindowActions() {
  using namespace AppTexts;
  using CommandAction::Make;
  WindowActions& a = actions_.window;
  // Undo and Redo name the step they would take back or do again, and are greyed while
  // there is none.
  QUndoStack& stack = steps_->Stack();
  // A step the document named itself comes in English, as quelmar-cli words it.
  const auto follow = [](QAction* action, const char* alone, const char* withStep, const QString& text) {
    action->setText(text.isEmpty() ? Q(alone) : Q(withStep).arg(CoreMessages::Said(text)));
  };
  QAction* undo = a.undo = Make(*this, "editUndo", Q(kMenuUndo), [&stack] { stack.undo(); }, Q(kPromptUndo));
  undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  undo->setEnabled(false);
  connect(&stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
  connect(&stack, &QUndoStack::undoTextChanged, undo, [=](const QString& text) { follow(undo, kMenuUndo, kMenuUndoStep, text); });
  QAction* redo = a.redo = Make(*this, "editRedo", Q(kMenuRedo), [&stack] { stack.redo(); }, Q(kPromptRedo));
  redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  redo->setEnabled(false);
  connect(&stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
  connect(&stack, &QUndoStack::redoTextChanged, redo, [=](const QString& text) { follow(redo, kMenuRedo, kMenuRedoStep, text); });

  // The View items show and hide the bars, ticked while they show.
  for (auto [item, name, text, prompt] : {std::tuple{&a.toolbar, "viewToolbar", kMenuToolbar, kPromptToolbar},
                                          {&a.statusBar, "viewStatusBar", kMenuStatusBar, kPromptStatusBar}}) {
    *item = Make(*this, name, Q(text), [] {}, Q(prompt));
    (*item)->setCheckable(true);
    (*item)->setChecked(true);
  }
  CreateLanguageActions();
  a.exit = Make(*this, "appExit", Q(kMenuExit), [this] { close(); }, Q(kPromptExit));
  a.about = Make(*this, "appAbout", Q(kMenuAbout), [this] {
    CAboutDlg dlg(this);
    Prompt::Exec(dlg);
  });

  // F10 opens the menu bar, as in the desktop's other programs (Alt does too). It
  // gives no command, only a way into the menus.
  auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
  menuKey->setObjectName(QStringLiteral("openMenuBar"));
  connect(menuKey, &QShortcut::activated, this, [this] {
    const QList<QAction*> menus = menuBar()->actions();
    if (!menus.isEmpty()) menuBar()->setActiveAction(menus.front());
  });
}

// After an undo or redo both pages show the working database again (the document's
// notice has them refresh), and the record the step changed is selected on its page,
// which comes to the front.
void CMainFrame::ShowStepApplied(const StepSubject& subject) {
  CMainSheet* sheet = view_->Sheet();
  if (!sheet || !doc_.HasData()) return;
  if (sheet->SatTPPage()->ShowRecord(subject)) {
    sheet->setCurrentWidget(sheet->SatTPPage());
  } else if (sheet->GroupChPage()->ShowRecord(subject)) {
    sheet->setCurrentWidget(sheet->GroupChPage());
  }
}

void CMainFrame::UpdateTitle() {
  // "[*]" is where the desktop's modified marker shows while the document is modified.
  QString shown = files_->Title();
  shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));  // a file's own "[*]" is shown as such
  setWindowTitle(QStringLiteral("%1[*] - %2").arg(shown, Q(Texts::kAppTitle)));
  setWindowModified(doc_.IsModified());
}

QScreen* CMainFrame::Screen() const { return screen() ? screen() : QGuiApplication::primaryScreen(); }

QMargins CMainFrame::FrameMargins() const {
  const QRect outer = frameGeometry();
  const QRect inner = geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

void CMainFrame::CenterOnScreen() {
  QScreen* s = Screen();
  if (!s) return;
  const QRect area = s->geometry();
  const QSize frameSize = frameGeometry().size();
  KeepOnScreen(QPoint(area.x() + (area.width() - frameSize.width()) / 2,
                      area.y() + (area.height() - frameSize.height()) / 2));
}

void CMainFrame::KeepOnScreen(QPoint framePos) {
  QScreen* s = Screen();
  if (!s) return;
  const QRect free = s->availableGeometry();
  const QMargins frame = FrameMargins();
  const QSize inner = size().boundedTo(free.marginsRemoved(frame).size());
  const QSize outer = inner.grownBy(frame);
  framePos.setX(std::clamp(framePos.x(), free.left(), std::max(free.left(), free.right() + 1 - outer.width())));
  framePos.setY(std::clamp(framePos.y(), free.top(), std::max(free.top(), free.bottom() + 1 - outer.height())));
  PlaceWindow(inner, framePos);
}

void CMainFrame::ShowAtStart() {
  if (const QRect kept = placement_.OnScreen(kUsableMinimum, FrameMargins()); kept.isValid()) {
    placeRestored_ = true;
    setGeometry(kept);
    if (placement_.maximized) {
      showMaximized();
    } else {
      show();
      // The frame is known once the window shows: its title bar stays on the screen.
      KeepOnScreen(frameGeometry().topLeft());
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
  if (CMainSheet* sheet = view_->Sheet(); sheet && sheet->GroupChPage()) {
    // The lists' columns as the user left them; kept up to date for the next start.
    CPageGroupCh* page = sheet->GroupChPage();
    page->RestoreColumnState(true, placement_.serviceColumns);
    page->RestoreColumnState(false, placement_.groupColumns);
    connect(page, &CPageGroupCh::ColumnsChanged, this, [this, page] {
      placement_.serviceColumns = page->ColumnState(true);
      placement_.groupColumns = page->ColumnState(false);
    });
  }
  if (isVisible()) GrowToShowSheet();
}

void CMainFrame::GrowToShowSheet() {
  CMainSheet* sheet = view_->Sheet();
  if (!sheet || grown_ || placeRestored_ || !isVisible() || MovedByUser()) return;
  QScreen* s = Screen();
  if (!s) return;
  if (layout()) layout()->activate();
  // Menu, toolbar and status bar take what the window has beyond its view.
  const QSize around = size() - view_->size();
  const QSize frame = frameGeometry().size() - size();
  const QRect area = s->availableGeometry();
  const QSize room = area.size() - frame;
  const QSize wanted = (around + sheet->sizeHint()).expandedTo(size()).boundedTo(room);
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
  kept.serviceColumns = placement_.serviceColumns;
  kept.groupColumns = placement_.groupColumns;
  kept.Save();
}

bool CMainFrame::OpenDocumentFile(const QString& path) { return files_->OpenDocumentFile(path); }

bool CMainFrame::OpenNativeFile(const QByteArray& nativePath) { return files_->OpenNativeFile(nativePath); }

QString CMainFrame::DocumentPath() const { return files_->Path(); }

void CMainFrame::ShowNotice(const QString& text) { messagePane_->setText(text); }

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!files_->SaveModified()) {
    event->ignore();
    return;
  }
  SavePlacement();
  // Saved or given up: nothing is left to recover.
  journal_->Discard();
  journal_->Flush();
  emit Closed();
  event->accept();
}
