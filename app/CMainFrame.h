#pragma once
// The main window: menu, toolbar, status bar, the view, and every command the user can
// give. It also keeps the document's file path and title and asks to save changes.
#include <QMainWindow>
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "app/CommandTarget.h"
#include "app/WindowPlacement.h"

class CExchangeCommands;
class CQuelmarApp;
class CQuelmarView;
class EditSteps;
struct StepSubject;
class QAction;
class QLabel;
class QMenu;
class QToolBar;

class CMainFrame : public QMainWindow, public CommandTarget {
  Q_OBJECT
 public:
  static constexpr int kWidth = 673;
  static constexpr int kHeight = 605;
  static constexpr int kRecentFileFirst = 57616;
  static constexpr int kViewToolbar = 59392;
  static constexpr int kViewStatusBar = 59393;

  explicit CMainFrame(CQuelmarApp& app);
  ~CMainFrame() override;

  CQuelmarView* View() const { return view_; }
  EditSteps* Steps() const { return steps_; }
  QToolBar* ToolBar() const { return toolBar_; }
  QLabel* MessagePane() const { return messagePane_; }
  QMenu* ContextMenuOf(ContextMenu menu) const;
  // The menu or toolbar item that gives a command (the menu's when both do).
  QAction* ActionFor(int commandId) const;

  // CommandTarget: every command of the menus, the toolbar, the keys and the pages.
  void OnCommand(int commandId) override;
  void PopupContextMenu(ContextMenu menu, const QPoint& globalPos) override;

  // Opens a file as Open does after its file dialog; false when it could not be
  // opened (the reason has been shown).
  bool OpenDocumentFile(const QString& path);
  // The same for a name as the file system holds it (command-line bytes, which need not
  // be UTF-8 and would not survive a trip through QString).
  bool OpenNativeFile(const QByteArray& nativePath);

  // The document's title ("Untitled" until it has a file) and file path.
  QString DocumentTitle() const { return title_; }
  QString DocumentPath() const { return path_; }

  // Asks "Save changes to %1?" when the document is modified; false when the user
  // cancelled or the save failed, and the command that asked must stop.
  bool SaveModified();

  // The document keeps its database but belongs to no file: titled "Untitled", so
  // Save asks for a name.
  void DocumentWithoutFile();

  // Check, compare, export and import.
  CExchangeCommands& Exchange() const { return *exchange_; }
  // A message in the status bar that needs no answer.
  void ShowNotice(const QString& text);

  // Moves the window to the middle of its screen.
  void CenterOnScreen();

  // Shows the window at start-up: where it was when the program last ended, when that
  // place still lies on a screen; otherwise 673 x 605 in the middle of the screen, grown
  // to show a sheet that is already loaded.
  void ShowAtStart();

  // Grows the window, once, so that a loaded sheet shows whole, within the screen's
  // available area and centred in it. Not once the user has resized, moved or maximised
  // the window, nor when its place came from the settings.
  void GrowToShowSheet();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateActions();
  void CreateEditActions();
  void ShowStepApplied(const StepSubject& subject);
  void CreateMenus();
  void CreateToolBar();
  void CreateStatusBar();
  void CreateContextMenus();
  void UpdateRecentFileMenu();
  void UpdateTitle();
  void DocumentNowAt(const QByteArray& nativePath);

  void OnFileNew();
  void OnFileOpen();
  void OnOpenReceived();
  // Keeps an accepted received image in the user's data folder; the status bar tells
  // where, or why not (the receive goes on either way).
  void KeepReceived(const std::vector<std::uint8_t>& image);
  bool OnFileSave(bool askName);
  void OnFileClose();
  void OnConfigSetting();
  void OnReceiveFromStb();
  void OnSendToStb();
  void OnAbout();
  void OnRecentFile(int index);
  void ForwardToPages(int commandId);
  void OnSheetBuilt();
  // Moves or sizes the window and remembers that this place is the program's doing.
  void PlaceWindow(const QSize& size, const QPoint& framePos);
  bool MovedByUser() const;
  void SavePlacement() const;

  QAction* MakeAction(int commandId, const char* text, const char* statusTip = nullptr);

  CQuelmarApp& app_;
  CQuelmarView* view_;
  CExchangeCommands* exchange_ = nullptr;  // a child object of the window
  EditSteps* steps_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QLabel* messagePane_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QAction* recentPlace_ = nullptr;  // "Recent File", greyed while the list is empty
  QList<QAction*> recentActions_;
  QAction* toolbarAction_ = nullptr;
  QAction* statusBarAction_ = nullptr;
  std::map<int, QAction*> actions_;
  std::map<ContextMenu, QMenu*> contextMenus_;
  // A context menu is open and its choice comes back from the popup.
  bool popupOpen_ = false;
  QString path_;          // shown
  QByteArray nativePath_;  // opened and saved
  QString title_;

  WindowPlacement placement_;  // as kept when the program last ended
  int pendingPage_ = -1;       // the kept page, put in front on the first sheet of the run
  bool placeRestored_ = false;
  bool grown_ = false;
  QSize placedSize_;
  QPoint placedPos_;
};
