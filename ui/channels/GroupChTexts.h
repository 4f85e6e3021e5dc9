#pragma once
// Texts of the "Group/Channel" page and the "Program Info" dialog.
#include <QtGlobal>

namespace GroupChTexts {

// Page and its areas.
inline constexpr const char* kPageTitle = QT_TRANSLATE_NOOP("GroupChTexts", "Group/Channel");
inline constexpr const char* kTvRadioBox = QT_TRANSLATE_NOOP("GroupChTexts", "TV/Radio");
inline constexpr const char* kFavoriteBox = QT_TRANSLATE_NOOP("GroupChTexts", "Favorite Group");
inline constexpr const char* kInfoBox = QT_TRANSLATE_NOOP("GroupChTexts", "Info.");
inline constexpr const char* kKindTv = QT_TRANSLATE_NOOP("GroupChTexts", "TV");
inline constexpr const char* kKindRadio = QT_TRANSLATE_NOOP("GroupChTexts", "RADIO");
inline constexpr const char* kAdd = QT_TRANSLATE_NOOP("GroupChTexts", "Add");
inline constexpr const char* kRename = QT_TRANSLATE_NOOP("GroupChTexts", "Rename");
inline constexpr const char* kDelete = QT_TRANSLATE_NOOP("GroupChTexts", "Delete");
inline constexpr const char* kCopyRight = "-->";
inline constexpr const char* kCopyLeft = "<--";
inline constexpr const char* kUpdate = QT_TRANSLATE_NOOP("GroupChTexts", "Update");
inline constexpr const char* kSatellite = QT_TRANSLATE_NOOP("GroupChTexts", "Satellite");
inline constexpr const char* kTransponder = QT_TRANSLATE_NOOP("GroupChTexts", "Transponder");

// Program fields, shared by the Info area and the dialog.
inline constexpr const char* kName = QT_TRANSLATE_NOOP("GroupChTexts", "Name");
inline constexpr const char* kType = QT_TRANSLATE_NOOP("GroupChTexts", "Type");
inline constexpr const char* kTypeUnknown = QT_TRANSLATE_NOOP("GroupChTexts", "UNKNOWN");
inline constexpr const char* kTypeTv = QT_TRANSLATE_NOOP("GroupChTexts", "TV");
inline constexpr const char* kTypeRadio = QT_TRANSLATE_NOOP("GroupChTexts", "RADIO");
inline constexpr const char* kLock = QT_TRANSLATE_NOOP("GroupChTexts", "LOCK");
inline constexpr const char* kVideoPid = QT_TRANSLATE_NOOP("GroupChTexts", "Video PID");
inline constexpr const char* kAudioPid = QT_TRANSLATE_NOOP("GroupChTexts", "Audio PID");
inline constexpr const char* kPcrPid = QT_TRANSLATE_NOOP("GroupChTexts", "PCR PID");
inline constexpr const char* kTtextPid = QT_TRANSLATE_NOOP("GroupChTexts", "TText PID");
inline constexpr const char* kServiceId = QT_TRANSLATE_NOOP("GroupChTexts", "Service ID");
inline constexpr const char* kPmt = QT_TRANSLATE_NOOP("GroupChTexts", "PMT");
inline constexpr const char* kAgeLimit = QT_TRANSLATE_NOOP("GroupChTexts", "Age Limit");
inline constexpr const char* kAudioLang = QT_TRANSLATE_NOOP("GroupChTexts", "Audio Lang");
inline constexpr const char* kCas = QT_TRANSLATE_NOOP("GroupChTexts", "CAS");

// A row of either list: the program name in brackets.
inline constexpr const char* kRowFormat = "[%1]";
// UTF-8: the lock column's mark, and what a screen reader says for it.
inline constexpr const char* kLockedMark = "\u2713";
inline constexpr const char* kLockedText = QT_TRANSLATE_NOOP("GroupChTexts", "Locked");
inline constexpr const char* kGroupSeparator = ", ";
// The filters beside the search: by satellite, and by lock or "New" mark.
inline constexpr const char* kSatelliteFilter = QT_TRANSLATE_NOOP("GroupChTexts", "Satellite Filter");
inline constexpr const char* kAllSatellites = QT_TRANSLATE_NOOP("GroupChTexts", "All satellites");
inline constexpr const char* kStateFilter = QT_TRANSLATE_NOOP("GroupChTexts", "Program Filter");
inline constexpr const char* kAllPrograms = QT_TRANSLATE_NOOP("GroupChTexts", "All programs");
inline constexpr const char* kLockedOnly = QT_TRANSLATE_NOOP("GroupChTexts", "Locked only");
inline constexpr const char* kUnlockedOnly = QT_TRANSLATE_NOOP("GroupChTexts", "Unlocked only");
inline constexpr const char* kNewOnly = QT_TRANSLATE_NOOP("GroupChTexts", "New only");
// A drag of several rows shows their count.
inline constexpr const char* kDragCount = QT_TRANSLATE_NOOP("GroupChTexts", "%1 programs");
// The header's menu: which columns the list shows.
inline constexpr const char* kColumnsMenu = QT_TRANSLATE_NOOP("GroupChTexts", "Columns");
// Copies the selected rows as tab-separated text (Ctrl+C).
inline constexpr const char* kCopyRows = QT_TRANSLATE_NOOP("GroupChTexts", "Copy");

// "Program Info" dialog.
inline constexpr const char* kProgramInfoCaption = QT_TRANSLATE_NOOP("GroupChTexts", "Program Info");
inline constexpr const char* kTransponderRow = QT_TRANSLATE_NOOP("GroupChTexts", "Freq : %1 Mhz, Sym : %2, Polor : %3");
inline constexpr const char* kPolVertical = QT_TRANSLATE_NOOP("GroupChTexts", "Ver");
inline constexpr const char* kPolHorizontal = QT_TRANSLATE_NOOP("GroupChTexts", "Hor");
inline constexpr const char* kOk = QT_TRANSLATE_NOOP("GroupChTexts", "OK");
inline constexpr const char* kCancel = QT_TRANSLATE_NOOP("GroupChTexts", "Cancel");

// Arranging the lists.
inline constexpr const char* kMoveToCaption = QT_TRANSLATE_NOOP("GroupChTexts", "Move To");
inline constexpr const char* kNumber = QT_TRANSLATE_NOOP("GroupChTexts", "No.");
// Beside the "Move To" field: the channel numbers the list has.
inline constexpr const char* kNumberRange = QT_TRANSLATE_NOOP("GroupChTexts", "%1 to %2");
inline constexpr const char* kDeleteSeveral = QT_TRANSLATE_NOOP("GroupChTexts", "Delete %1 programs?");
inline constexpr const char* kAlreadyMembers = QT_TRANSLATE_NOOP("GroupChTexts", "%1 of the selected programs were already in the group.");
// The search fields above the lists, and why nothing moves while one holds text.
inline constexpr const char* kSearchPlaceholder = QT_TRANSLATE_NOOP("GroupChTexts", "Search");
inline constexpr const char* kSearchServices = QT_TRANSLATE_NOOP("GroupChTexts", "Search TV/Radio List");
inline constexpr const char* kSearchFavorites = QT_TRANSLATE_NOOP("GroupChTexts", "Search Favorite List");
inline constexpr const char* kMovingOffFiltered = QT_TRANSLATE_NOOP("GroupChTexts", "Clear the search and the filters to move rows: the list shows only some of them.");

// Messages.
inline constexpr const char* kSelectLeft = QT_TRANSLATE_NOOP("GroupChTexts", "Select Left");

// The lists' commands and their context menu; its title names it for a screen reader.
inline constexpr const char* kPopMenu = QT_TRANSLATE_NOOP("GroupChTexts", "PopMenu");
inline constexpr const char* kAddProgram = QT_TRANSLATE_NOOP("GroupChTexts", "Add Program");
inline constexpr const char* kDeleteProgram = QT_TRANSLATE_NOOP("GroupChTexts", "Delete Program");
// UTF-8: the ellipsis is not in Latin-1.
inline constexpr const char* kMoveTo = QT_TRANSLATE_NOOP("GroupChTexts", "Move To\u2026");
inline constexpr const char* kSortMenu = QT_TRANSLATE_NOOP("GroupChTexts", "Sort");
// The moves the keys make (Alt+Up, Alt+Down, Alt+Home, Alt+End), shown with their keys.
inline constexpr const char* kMoveUp = QT_TRANSLATE_NOOP("GroupChTexts", "Move Up");
inline constexpr const char* kMoveDown = QT_TRANSLATE_NOOP("GroupChTexts", "Move Down");
inline constexpr const char* kMoveToTop = QT_TRANSLATE_NOOP("GroupChTexts", "Move to Top");
inline constexpr const char* kMoveToBottom = QT_TRANSLATE_NOOP("GroupChTexts", "Move to Bottom");
// Building an order: the selected rows go to the next place (Ctrl+Enter), which moves on.
inline constexpr const char* kPlaceNext = QT_TRANSLATE_NOOP("GroupChTexts", "Place Next");
inline constexpr const char* kSetNextPlace = QT_TRANSLATE_NOOP("GroupChTexts", "Set Next Place Here");
inline constexpr const char* kNextPlace = QT_TRANSLATE_NOOP("GroupChTexts", "Next place: No. %1");
// Placed from the search: the program, where it went and where the next one goes. When
// several rows share the name it was found by, the first was taken: the user may pick.
inline constexpr const char* kPlaced = QT_TRANSLATE_NOOP("GroupChTexts", "%1 (%2 %3, SID %4) placed at No. %5; next place No. %6");
inline constexpr const char* kPlacedFirstOf =
    QT_TRANSLATE_NOOP("GroupChTexts", "%1 (%2 %3, SID %4) placed at No. %5, 1 of %6 named %1; next place No. %7");
inline constexpr const char* kSortByName = QT_TRANSLATE_NOOP("GroupChTexts", "Sort by Name");
inline constexpr const char* kSortBySatellite = QT_TRANSLATE_NOOP("GroupChTexts", "Sort by Satellite and Frequency");
inline constexpr const char* kSortByServiceId = QT_TRANSLATE_NOOP("GroupChTexts", "Sort by Service ID");
inline constexpr const char* kReverseOrder = QT_TRANSLATE_NOOP("GroupChTexts", "Reverse Order");
// The lock flag of every selected program at once (Ctrl+L, Ctrl+Shift+L).
inline constexpr const char* kLockSelected = QT_TRANSLATE_NOOP("GroupChTexts", "Lock");
inline constexpr const char* kUnlockSelected = QT_TRANSLATE_NOOP("GroupChTexts", "Unlock");
// Ctrl+L in a search field with no row it shows selected.
inline constexpr const char* kLockNeedsRows =
    QT_TRANSLATE_NOOP("GroupChTexts", "Select the programs to lock or unlock among the rows shown: Down moves from the search into them.");

}  // namespace GroupChTexts
