#pragma once
// Texts of the application shell: menus, toolbar, status bar, the About box and the
// shell's own messages.
#include <QtGlobal>

namespace AppTexts {

// Title of a document that has no file yet, and the base name proposed when saving it.
inline constexpr const char* kUntitled = QT_TRANSLATE_NOOP("AppTexts", "Untitled");
inline constexpr const char* kFileExtension = ".qdb";
inline constexpr const char* kFileFilter = QT_TRANSLATE_NOOP("AppTexts", "QDB Files (*.qdb);;All Files (*.*)");
inline constexpr const char* kOpenCaption = QT_TRANSLATE_NOOP("AppTexts", "Open");
inline constexpr const char* kSaveAsCaption = QT_TRANSLATE_NOOP("AppTexts", "Save As");
inline constexpr const char* kSaveChanges = QT_TRANSLATE_NOOP("AppTexts", "Save changes to %1?");

// Main menu.
inline constexpr const char* kMenuFile = QT_TRANSLATE_NOOP("AppTexts", "&File");
inline constexpr const char* kMenuOpen = QT_TRANSLATE_NOOP("AppTexts", "&Open...\tCtrl+O");
inline constexpr const char* kMenuSave = QT_TRANSLATE_NOOP("AppTexts", "&Save\tCtrl+S");
inline constexpr const char* kMenuSaveAs = QT_TRANSLATE_NOOP("AppTexts", "Save &As...\tCrtl+A");
inline constexpr const char* kMenuRecentFile = QT_TRANSLATE_NOOP("AppTexts", "Recent File");
inline constexpr const char* kMenuOpenReceived = QT_TRANSLATE_NOOP("AppTexts", "Open &Received...");
inline constexpr const char* kPromptOpenReceived = QT_TRANSLATE_NOOP("AppTexts", "Open an image kept from the receiver as a new document");
inline constexpr const char* kMenuEdit = QT_TRANSLATE_NOOP("AppTexts", "&Edit");
// "Undo" or "Redo" and the step's text; alone while there is nothing to take back.
inline constexpr const char* kMenuUndo = QT_TRANSLATE_NOOP("AppTexts", "&Undo");
inline constexpr const char* kMenuRedo = QT_TRANSLATE_NOOP("AppTexts", "&Redo");
inline constexpr const char* kMenuUndoStep = QT_TRANSLATE_NOOP("AppTexts", "&Undo %1");
inline constexpr const char* kMenuRedoStep = QT_TRANSLATE_NOOP("AppTexts", "&Redo %1");
inline constexpr const char* kPromptUndo = QT_TRANSLATE_NOOP("AppTexts", "Undo the last action");
inline constexpr const char* kPromptRedo = QT_TRANSLATE_NOOP("AppTexts", "Redo the previously undone action");
inline constexpr const char* kMenuClose = QT_TRANSLATE_NOOP("AppTexts", "&Close");
inline constexpr const char* kMenuExit = QT_TRANSLATE_NOOP("AppTexts", "E&xit");
inline constexpr const char* kMenuView = QT_TRANSLATE_NOOP("AppTexts", "&View");
inline constexpr const char* kMenuToolbar = QT_TRANSLATE_NOOP("AppTexts", "&Toolbar");
inline constexpr const char* kMenuStatusBar = QT_TRANSLATE_NOOP("AppTexts", "&Status Bar");
// View > Language: the desktop's language, or one of the program's own, each named in
// itself; it takes effect at the next start.
inline constexpr const char* kMenuLanguage = QT_TRANSLATE_NOOP("AppTexts", "&Language");
inline constexpr const char* kLanguageSystem = QT_TRANSLATE_NOOP("AppTexts", "System");
inline constexpr const char* kLanguageEnglish = "English";
inline constexpr const char* kLanguageGerman = "Deutsch";
inline constexpr const char* kPromptLanguage = QT_TRANSLATE_NOOP("AppTexts", "Choose the language of the window");
inline constexpr const char* kLanguageAtRestart =
    QT_TRANSLATE_NOOP("AppTexts", "The language changes when Quelmar is started again.");
// Every menu opens with Alt and its letter, these two as well.
inline constexpr const char* kMenuTransfer = QT_TRANSLATE_NOOP("AppTexts", "&Receive/Send");
inline constexpr const char* kMenuReceive = QT_TRANSLATE_NOOP("AppTexts", "Receive from STB");
inline constexpr const char* kMenuSend = QT_TRANSLATE_NOOP("AppTexts", "Send to STB");
inline constexpr const char* kMenuTools = QT_TRANSLATE_NOOP("AppTexts", "&Tools");
inline constexpr const char* kMenuConfig = QT_TRANSLATE_NOOP("AppTexts", "Config Setting");
inline constexpr const char* kMenuHelp = QT_TRANSLATE_NOOP("AppTexts", "&Help");
inline constexpr const char* kMenuAbout = QT_TRANSLATE_NOOP("AppTexts", "&About Quelmar...");

// Toolbar tool tips (the transfer buttons have none).
inline constexpr const char* kTipOpen = QT_TRANSLATE_NOOP("AppTexts", "Open");
inline constexpr const char* kTipSave = QT_TRANSLATE_NOOP("AppTexts", "Save");
inline constexpr const char* kTipAbout = QT_TRANSLATE_NOOP("AppTexts", "About");
inline constexpr const char* kToolbarName = QT_TRANSLATE_NOOP("AppTexts", "Toolbar");
// What a screen reader calls the status bar's message, the pages' sheet and the view.
inline constexpr const char* kMessagePaneName = QT_TRANSLATE_NOOP("AppTexts", "Message");
inline constexpr const char* kSheetName = QT_TRANSLATE_NOOP("AppTexts", "Sheet");
inline constexpr const char* kViewName = QT_TRANSLATE_NOOP("AppTexts", "View");

// Status bar.
inline constexpr const char* kReady = QT_TRANSLATE_NOOP("AppTexts", "Ready");
// Where an accepted received image was kept.
inline constexpr const char* kReceivedKept = QT_TRANSLATE_NOOP("AppTexts", "Received image kept as %1");
// Asked before a file opens that a save would not write back as it is: %1 the file's
// name, %2 what check says of it, a line each.
inline constexpr const char* kOpenFindings = QT_TRANSLATE_NOOP("AppTexts", "%1:\n%2\nOpen it anyway?");
// A completed receive the user cancelled: the image is not loaded, but it is not lost.
inline constexpr const char* kReceivedNotLoaded =
    QT_TRANSLATE_NOOP("AppTexts", "The received image was not loaded; it is kept as %1 (File > Open Received).");

// The "Open Received" dialog.
inline constexpr const char* kReceivedCaption = QT_TRANSLATE_NOOP("AppTexts", "Open Received");
inline constexpr const char* kReceivedList = QT_TRANSLATE_NOOP("AppTexts", "Images received from the receiver, newest first:");
inline constexpr const char* kReceivedNone = QT_TRANSLATE_NOOP("AppTexts", "No received image has been kept yet.");
inline constexpr const char* kReceivedWhen = QT_TRANSLATE_NOOP("AppTexts", "Received");
inline constexpr const char* kReceivedSatellites = QT_TRANSLATE_NOOP("AppTexts", "Satellites");
inline constexpr const char* kReceivedTransponders = QT_TRANSLATE_NOOP("AppTexts", "Transponders");
inline constexpr const char* kReceivedPrograms = QT_TRANSLATE_NOOP("AppTexts", "Programs");
inline constexpr const char* kReceivedVariant = QT_TRANSLATE_NOOP("AppTexts", "Variant");
inline constexpr const char* kReceivedUnreadable = QT_TRANSLATE_NOOP("AppTexts", "not readable");
inline constexpr const char* kReceivedOpen = QT_TRANSLATE_NOOP("AppTexts", "Open");
inline constexpr const char* kIndicatorCaps = QT_TRANSLATE_NOOP("AppTexts", "CAP");
inline constexpr const char* kIndicatorNum = QT_TRANSLATE_NOOP("AppTexts", "NUM");
inline constexpr const char* kIndicatorScroll = QT_TRANSLATE_NOOP("AppTexts", "SCRL");
inline constexpr const char* kPromptOpen = QT_TRANSLATE_NOOP("AppTexts", "Open an existing document");
inline constexpr const char* kPromptSave = QT_TRANSLATE_NOOP("AppTexts", "Save the active document");
inline constexpr const char* kPromptSaveAs = QT_TRANSLATE_NOOP("AppTexts", "Save the active document with a new name");
inline constexpr const char* kPromptRecent = QT_TRANSLATE_NOOP("AppTexts", "Open this document");
inline constexpr const char* kPromptExit = QT_TRANSLATE_NOOP("AppTexts", "Quit the application; prompts to save documents");
inline constexpr const char* kPromptToolbar = QT_TRANSLATE_NOOP("AppTexts", "Show or hide the toolbar");
inline constexpr const char* kPromptStatusBar = QT_TRANSLATE_NOOP("AppTexts", "Show or hide the status bar");

// About box.
inline constexpr const char* kAboutCaption = QT_TRANSLATE_NOOP("AppTexts", "About Quelmar");
inline constexpr const char* kAboutVersion = QT_TRANSLATE_NOOP("AppTexts", "Quelmar Version 1.2");
inline constexpr const char* kOk = QT_TRANSLATE_NOOP("AppTexts", "OK");
inline constexpr const char* kCancel = QT_TRANSLATE_NOOP("AppTexts", "Cancel");

// Where the recent-file list is kept.
inline constexpr const char* kSettingsOrganization = "Local AppWizard-Generated Applications";
inline constexpr const char* kSettingsApplication = "Quelmar";
inline constexpr const char* kRecentFileSection = "Recent File List";
inline constexpr const char* kRecentFileKey = "File%1";
// Where the window was, and which page was in front, when the program last ended.
inline constexpr const char* kWindowSection = "Window";
inline constexpr const char* kWindowGeometryKey = "Geometry";
inline constexpr const char* kWindowMaximizedKey = "Maximized";
inline constexpr const char* kWindowPageKey = "Page";
inline constexpr const char* kServiceColumnsKey = "ServiceColumns";
inline constexpr const char* kGroupColumnsKey = "GroupColumns";
// The line chosen in Config Setting, for the next start: the port by its name ("COM2", a
// device path) and the speed in bits per second. The DbType is not kept.
inline constexpr const char* kLinkSection = "Link";
inline constexpr const char* kPortKey = "Port";
inline constexpr const char* kBaudRateKey = "BaudRate";
// The port kept from the last run is not on the machine now; it stays chosen.
inline constexpr const char* kPortMissing =
    QT_TRANSLATE_NOOP("AppTexts", "The port %1 chosen last time is not there now; it stays chosen (Tools > Config Setting).");
// What "Apply Order From Database…" took besides the order, offered the same next time.
inline constexpr const char* kApplyOrderSection = "Apply Order";
inline constexpr const char* kTakeLocksKey = "TakeLocks";
inline constexpr const char* kTakeNamesKey = "TakeNames";
// The language chosen under View > Language ("en", "de"; absent: the desktop's).
inline constexpr const char* kLanguageKey = "Language";

// Shell messages.
inline constexpr const char* kUsage = QT_TRANSLATE_NOOP("AppTexts", "Usage: quelmar [FILE.qdb]");

// Asked at start for each recovery journal a window that stopped left behind.
// %1: the file ("box.qdb"), %2: what it holds (kRecoverSteps).
inline constexpr const char* kRecoverQuestion = QT_TRANSLATE_NOOP("AppTexts", "Quelmar was not closed properly. Restore the unsaved changes to %1 (%2)?");
inline constexpr const char* kRecoverSteps = QT_TRANSLATE_NOOP("AppTexts", "%1, the last \"%2\", %3");
inline constexpr const char* kRecoverNoSteps = QT_TRANSLATE_NOOP("AppTexts", "no steps, %1");
inline constexpr const char* kOneStep = QT_TRANSLATE_NOOP("AppTexts", "1 step");
inline constexpr const char* kSteps = QT_TRANSLATE_NOOP("AppTexts", "%1 steps");
inline constexpr const char* kRecoverUntitled = QT_TRANSLATE_NOOP("AppTexts", "an untitled database");
inline constexpr const char* kRecoverReceived = QT_TRANSLATE_NOOP("AppTexts", "the database received at %1");
inline constexpr const char* kRecoverFileChanged =
    QT_TRANSLATE_NOOP("AppTexts", "%1 has changed on disk since. The restored changes are opened as an untitled database.");
inline constexpr const char* kRecoverLost = QT_TRANSLATE_NOOP("AppTexts", "%1 damaged records at the end of the journal could not be restored.");
inline constexpr const char* kRecoverUnreadable = QT_TRANSLATE_NOOP("AppTexts", "A recovery journal could not be read and was kept aside: %1");
inline constexpr const char* kRecoverFailed = QT_TRANSLATE_NOOP("AppTexts", "The unsaved changes could not be restored: %1. The journal was kept aside.");
// Several windows stopped: asked once, newest first. %1: how many.
inline constexpr const char* kRecoverChoiceCaption = QT_TRANSLATE_NOOP("AppTexts", "Restore Unsaved Changes");
inline constexpr const char* kRecoverChoice = QT_TRANSLATE_NOOP("AppTexts", "Quelmar was not closed properly %1 times. Restore the unsaved changes of one (newest first); the others are set aside.");
// A row of that list: %1 the file (as in kRecoverQuestion), %2 when the journal was last written.
inline constexpr const char* kRecoverChoiceRow = QT_TRANSLATE_NOOP("AppTexts", "%1, %2");
inline constexpr const char* kRecoverRestore = QT_TRANSLATE_NOOP("AppTexts", "Restore");
inline constexpr const char* kRecoverSetAside = QT_TRANSLATE_NOOP("AppTexts", "Set Aside");
inline constexpr const char* kRecoverUnreadableMany = QT_TRANSLATE_NOOP("AppTexts", "%1 recovery journals could not be read and were kept aside; the first: %2");
// The file named on the command line while unsaved changes of a stopped window were
// restored in its place. %1: its name.
inline constexpr const char* kArgumentNotOpened = QT_TRANSLATE_NOOP("AppTexts", "%1 was not opened, so that the restored changes cannot be saved over it. Open it with File > Open.");
// A database converted to another receiver variant in Config Setting. %1: the variant.
inline constexpr const char* kChangeVariantStep = QT_TRANSLATE_NOOP("AppTexts", "Config Setting [%1]");

}  // namespace AppTexts
