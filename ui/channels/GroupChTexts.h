#pragma once
// Texts of the "Group/Channel" page and the "Program Info" dialog.

namespace GroupChTexts {

// Page and its areas.
inline constexpr const char* kPageTitle = "Group/Channel";
inline constexpr const char* kTvRadioBox = "TV/Radio";
inline constexpr const char* kFavoriteBox = "Favorite Group";
inline constexpr const char* kInfoBox = "Info.";
inline constexpr const char* kKindTv = "TV";
inline constexpr const char* kKindRadio = "RADIO";
inline constexpr const char* kAdd = "Add";
inline constexpr const char* kRename = "Rename";
inline constexpr const char* kDelete = "Delete";
inline constexpr const char* kCopyRight = "-->";
inline constexpr const char* kCopyLeft = "<--";
inline constexpr const char* kUpdate = "Update";
inline constexpr const char* kSatellite = "Satellite";
inline constexpr const char* kTransponder = "Transponder";

// Program fields, shared by the Info area and the dialog.
inline constexpr const char* kName = "Name";
inline constexpr const char* kType = "Type";
inline constexpr const char* kTypeUnknown = "UNKNOWN";
inline constexpr const char* kTypeTv = "TV";
inline constexpr const char* kTypeRadio = "RADIO";
inline constexpr const char* kLock = "LOCK";
inline constexpr const char* kVideoPid = "Video PID";
inline constexpr const char* kAudioPid = "Audio PID";
inline constexpr const char* kPcrPid = "PCR PID";
inline constexpr const char* kTtextPid = "TText PID";
inline constexpr const char* kServiceId = "Service ID";
inline constexpr const char* kPmt = "PMT";
inline constexpr const char* kAgeLimit = "Age Limit";
inline constexpr const char* kAudioLang = "Audio Lang";
inline constexpr const char* kCas = "CAS";

// A row of either list: the program name in brackets.
inline constexpr const char* kRowFormat = "[%1]";
// The lists' columns beside "No.", "Name", "Satellite" and "Service ID".
inline constexpr const char* kColumnFrequency = "Frequency/Pol";
inline constexpr const char* kColumnLock = "Lock";
inline constexpr const char* kColumnGroups = "Groups";
inline constexpr const char* kColumnNew = "New";
// "11494 H": the transponder's frequency in MHz and its polarization.
inline constexpr const char* kFrequencyPol = "%1 %2";
inline constexpr const char* kPolH = "H";
inline constexpr const char* kPolV = "V";
// UTF-8: the lock column's mark, and what a screen reader says for it.
inline constexpr const char* kLockedMark = "\u2713";
inline constexpr const char* kLockedText = "Locked";
inline constexpr const char* kGroupSeparator = ", ";
// The filters beside the search: by satellite, and by lock or "New" mark.
inline constexpr const char* kSatelliteFilter = "Satellite Filter";
inline constexpr const char* kAllSatellites = "All satellites";
inline constexpr const char* kStateFilter = "Program Filter";
inline constexpr const char* kAllPrograms = "All programs";
inline constexpr const char* kLockedOnly = "Locked only";
inline constexpr const char* kUnlockedOnly = "Unlocked only";
inline constexpr const char* kNewOnly = "New only";
// A drag of several rows shows their count.
inline constexpr const char* kDragCount = "%1 programs";
// The header's menu: which columns the list shows.
inline constexpr const char* kColumnsMenu = "Columns";
// Copies the selected rows as tab-separated text (Ctrl+C).
inline constexpr const char* kCopyRows = "Copy";

// "Program Info" dialog.
inline constexpr const char* kProgramInfoCaption = "Program Info";
inline constexpr const char* kTransponderRow = "Freq : %1 Mhz, Sym : %2, Polor : %3";
inline constexpr const char* kPolVertical = "Ver";
inline constexpr const char* kPolHorizontal = "Hor";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancel = "Cancel";

// Arranging the lists.
inline constexpr const char* kMoveToCaption = "Move To";
inline constexpr const char* kNumber = "No.";
// Beside the "Move To" field: the channel numbers the list has.
inline constexpr const char* kNumberRange = "%1 to %2";
inline constexpr const char* kDeleteSeveral = "Delete %1 programs?";
inline constexpr const char* kAlreadyMembers = "%1 of the selected programs were already in the group.";
// The search fields above the lists, and why nothing moves while one holds text.
inline constexpr const char* kSearchPlaceholder = "Search";
inline constexpr const char* kSearchServices = "Search TV/Radio List";
inline constexpr const char* kSearchFavorites = "Search Favorite List";
inline constexpr const char* kMovingOffFiltered = "Clear the search and the filters to move rows: the list shows only some of them.";

// Messages.
inline constexpr const char* kSelectLeft = "Select Left";

// The lists' commands and their context menu; its title names it for a screen reader.
inline constexpr const char* kPopMenu = "PopMenu";
inline constexpr const char* kAddProgram = "Add Program";
inline constexpr const char* kDeleteProgram = "Delete Program";
// UTF-8: the ellipsis is not in Latin-1.
inline constexpr const char* kMoveTo = "Move To\u2026";
inline constexpr const char* kSortMenu = "Sort";
// The moves the keys make (Alt+Up, Alt+Down, Alt+Home, Alt+End), shown with their keys.
inline constexpr const char* kMoveUp = "Move Up";
inline constexpr const char* kMoveDown = "Move Down";
inline constexpr const char* kMoveToTop = "Move to Top";
inline constexpr const char* kMoveToBottom = "Move to Bottom";
// Building an order: the selected rows go to the next place (Ctrl+Enter), which moves on.
inline constexpr const char* kPlaceNext = "Place Next";
inline constexpr const char* kSetNextPlace = "Set Next Place Here";
inline constexpr const char* kNextPlace = "Next place: No. %1";
inline constexpr const char* kSortByName = "Sort by Name";
inline constexpr const char* kSortBySatellite = "Sort by Satellite and Frequency";
inline constexpr const char* kSortByServiceId = "Sort by Service ID";
inline constexpr const char* kReverseOrder = "Reverse Order";
// The lock flag of every selected program at once (Ctrl+L, Ctrl+Shift+L).
inline constexpr const char* kLockSelected = "Lock";
inline constexpr const char* kUnlockSelected = "Unlock";

}  // namespace GroupChTexts
