#pragma once
// The main window: menu, toolbar, status bar and the view. Its commands are made by the
// parts that carry them out (files, transfer, check and exchange, the pages); the window
// places them and keeps the title.
#include <QMainWindow>
#include <QByteArray>
#include <QMargins>
#include <QSize>
#include <QString>
#include <memory>

#include "app/MainActions.h"
#include "app/WindowPlacement.h"

class CExchangeCommands;
class CQuelmarDoc;
class CQuelmarView;
class CRecentFileList;
class PrintCommands;
class EditSteps;
class RecoveryJournal;
class FileCommands;
class RunSettings;
class TransferCommands;
class VariantOffer;
struct StepSubject;
class QLabel;
class QScreen;
class QToolBar;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  static constexpr int kWidth = 673;
  static constexpr int kHeight = 605;

  CMainFrame(CQuelmarDoc& doc, RunSettings& settings, CRecentFileList& recent);
  ~CMainFrame() override;

  CQuelmarView* View() const { return view_; }
  EditSteps* Steps() const { return steps_; }
  QToolBar* ToolBar() const { return toolBar_; }
  QLabel* MessagePane() const { return messagePane_; }
  // Every command of the menus and the toolbar.
  const MainActions& Actions() const { return actions_; }

  // Opens a file as Open does after its file dialog; false when it could not be
  // opened (the reason has been shown).
  bool OpenDocumentFile(const QString& path);
  // The same for a name as the file system holds it (command-line bytes, which need not
  // be UTF-8 and would not survive a trip through QString).
  bool OpenNativeFile(const QByteArray& nativePath);
  // The document's file path (empty until it has a file).
  QString DocumentPath() const;

  // Check, compare, export and import.
  CExchangeCommands& Exchange() const { return *exchange_; }
  // A message in the status bar that needs no answer.
  void ShowNotice(const QString& text);

  // Moves the window to the middle of its screen (and into the screen's free area, made
  // smaller when the screen is smaller than the window).
  void CenterOnScreen();

  // The least size a kept place is restored at, where the screen allows: menus, the
  // page tabs and a few rows of each list.
  static constexpr QSize kUsableMinimum{480, 360};

  // Shows the window at start-up: where it was when the program last ended, when that
  // place still overlaps a screen (moved onto it and made at least kUsableMinimum);
  // otherwise 673 x 605, or as much of it as the screen holds, in the middle of the
  // screen, grown to show a sheet that is already loaded.
  void ShowAtStart();
  // Offers what windows that stopped unexpectedly left unsaved (at start only); true when
  // the document now holds restored changes.
  bool OfferRecovery();

  // Grows the window, once, so that a loaded sheet shows at the size it likes (every
  // column of the channel lists and a screenful of rows), within the screen's available
  // area and centred in it. Not once the user has resized, moved or maximised the
  // window, nor when its place came from the settings.
  void GrowToShowSheet();

 signals:
  // The window closed, its document saved or dropped as the user chose.
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateWindowActions();
  void CreateLanguageActions();
  void ShowStepApplied(const StepSubject& subject);
  void UpdateTitle();
  void OnSheetBuilt();
  // Moves or sizes the window and remembers that this place is the program's doing.
  void PlaceWindow(const QSize& size, const QPoint& framePos);
  // Moves the window's frame to `framePos`, or as near as keeps the window whole within
  // its screen's free area, made smaller where it is larger than that.
  void KeepOnScreen(QPoint framePos);
  // The screen the window is on, and the frame the window system draws around it.
  QScreen* Screen() const;
  QMargins FrameMargins() const;
  bool MovedByUser() const;
  void SavePlacement() const;

  CQuelmarDoc& doc_;
  CQuelmarView* view_;
  EditSteps* steps_ = nullptr;
  // The command parts are child objects of the window.
  std::unique_ptr<VariantOffer> variants_;
  // Keeps the unsaved steps on disk while the window lives.
  std::unique_ptr<RecoveryJournal> journal_;
  FileCommands* files_ = nullptr;
  TransferCommands* transfer_ = nullptr;
  CExchangeCommands* exchange_ = nullptr;
  PrintCommands* print_ = nullptr;
  MainActions actions_;
  QToolBar* toolBar_ = nullptr;
  QLabel* messagePane_ = nullptr;

  WindowPlacement placement_;  // as kept when the program last ended
  int pendingPage_ = -1;       // the kept page, put in front on the first sheet of the run
  bool placeRestored_ = false;
  bool grown_ = false;
  QSize placedSize_;
  QPoint placedPos_;
};
