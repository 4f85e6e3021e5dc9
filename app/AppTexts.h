#pragma once
// Texts of the application shell: menus, toolbar, status bar, the About box and the
// shell's own messages.

namespace AppTexts {

// Title of a document that has no file yet, and the base name proposed when saving it.
inline constexpr const char* kUntitled = "Untitled";
inline constexpr const char* kFileExtension = ".qdb";
inline constexpr const char* kFileFilter = "QDB Files (*.qdb);;All Files (*.*)";
inline constexpr const char* kOpenCaption = "Open";
inline constexpr const char* kSaveAsCaption = "Save As";
inline constexpr const char* kSaveChanges = "Save changes to %1?";

// Main menu.
inline constexpr const char* kMenuFile = "&File";
inline constexpr const char* kMenuOpen = "&Open...\tCtrl+O";
inline constexpr const char* kMenuSave = "&Save\tCtrl+S";
inline constexpr const char* kMenuSaveAs = "Save &As...\tCrtl+A";
inline constexpr const char* kMenuRecentFile = "Recent File";
inline constexpr const char* kMenuOpenReceived = "Open &Received...";
inline constexpr const char* kPromptOpenReceived = "Open an image kept from the receiver as a new document";
inline constexpr const char* kMenuEdit = "&Edit";
// "Undo" or "Redo" and the step's text; alone while there is nothing to take back.
inline constexpr const char* kMenuUndo = "&Undo";
inline constexpr const char* kMenuRedo = "&Redo";
inline constexpr const char* kMenuUndoStep = "&Undo %1";
inline constexpr const char* kMenuRedoStep = "&Redo %1";
inline constexpr const char* kPromptUndo = "Undo the last action";
inline constexpr const char* kPromptRedo = "Redo the previously undone action";
inline constexpr const char* kMenuClose = "&Close";
inline constexpr const char* kMenuExit = "E&xit";
inline constexpr const char* kMenuView = "&View";
inline constexpr const char* kMenuToolbar = "&Toolbar";
inline constexpr const char* kMenuStatusBar = "&Status Bar";
inline constexpr const char* kMenuTransfer = "Receive/Send";
inline constexpr const char* kMenuReceive = "Receive from STB";
inline constexpr const char* kMenuSend = "Send to STB";
inline constexpr const char* kMenuTools = "Tools";
inline constexpr const char* kMenuConfig = "Config Setting";
inline constexpr const char* kMenuHelp = "&Help";
inline constexpr const char* kMenuAbout = "&About Quelmar...";

// Toolbar tool tips (the transfer buttons have none).
inline constexpr const char* kTipOpen = "Open";
inline constexpr const char* kTipSave = "Save";
inline constexpr const char* kTipAbout = "About";
inline constexpr const char* kToolbarName = "Toolbar";

// Status bar.
inline constexpr const char* kReady = "Ready";
// Where an accepted received image was kept.
inline constexpr const char* kReceivedKept = "Received image kept as %1";

// The "Open Received" dialog.
inline constexpr const char* kReceivedCaption = "Open Received";
inline constexpr const char* kReceivedList = "Images received from the receiver, newest first:";
inline constexpr const char* kReceivedNone = "No received image has been kept yet.";
inline constexpr const char* kReceivedWhen = "Received";
inline constexpr const char* kReceivedSatellites = "Satellites";
inline constexpr const char* kReceivedTransponders = "Transponders";
inline constexpr const char* kReceivedPrograms = "Programs";
inline constexpr const char* kReceivedVariant = "Variant";
inline constexpr const char* kReceivedUnreadable = "not readable";
inline constexpr const char* kReceivedOpen = "Open";
inline constexpr const char* kIndicatorCaps = "CAP";
inline constexpr const char* kIndicatorNum = "NUM";
inline constexpr const char* kIndicatorScroll = "SCRL";
inline constexpr const char* kPromptOpen = "Open an existing document";
inline constexpr const char* kPromptSave = "Save the active document";
inline constexpr const char* kPromptSaveAs = "Save the active document with a new name";
inline constexpr const char* kPromptRecent = "Open this document";
inline constexpr const char* kPromptExit = "Quit the application; prompts to save documents";
inline constexpr const char* kPromptToolbar = "Show or hide the toolbar";
inline constexpr const char* kPromptStatusBar = "Show or hide the status bar";

// About box.
inline constexpr const char* kAboutCaption = "About Quelmar";
inline constexpr const char* kAboutVersion = "Quelmar Version 1.2";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancel = "Cancel";

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

// Shell messages.
inline constexpr const char* kUsage = "Usage: quelmar [FILE.qdb]";

// Asked at start for each recovery journal a window that stopped left behind.
// %1: the file ("box.qdb"), %2: what it holds (kRecoverSteps).
inline constexpr const char* kRecoverQuestion = "Quelmar was not closed properly. Restore the unsaved changes to %1 (%2)?";
inline constexpr const char* kRecoverSteps = "%1, the last \"%2\", %3";
inline constexpr const char* kRecoverNoSteps = "no steps, %1";
inline constexpr const char* kOneStep = "1 step";
inline constexpr const char* kSteps = "%1 steps";
inline constexpr const char* kRecoverUntitled = "an untitled database";
inline constexpr const char* kRecoverReceived = "the database received at %1";
inline constexpr const char* kRecoverFileChanged =
    "%1 has changed on disk since. The restored changes are opened as an untitled database.";
inline constexpr const char* kRecoverLost = "%1 damaged records at the end of the journal could not be restored.";
inline constexpr const char* kRecoverUnreadable = "A recovery journal could not be read and was kept aside: %1";
inline constexpr const char* kRecoverFailed = "The unsaved changes could not be restored: %1. The journal was kept aside.";

}  // namespace AppTexts
