#pragma once
// Command identifiers shared by the main frame, its menus and the two editor pages.

namespace CommandId {

inline constexpr int kAddProgram = 32776;
inline constexpr int kDeleteProgram = 32778;
inline constexpr int kAddSatellite = 32784;
inline constexpr int kDeleteSatellite = 32785;
inline constexpr int kAddTransponder = 32786;
inline constexpr int kDeleteTransponder = 32787;
inline constexpr int kEditTransponder = 32788;
inline constexpr int kConfigSetting = 32789;
inline constexpr int kSendToStb = 32790;
inline constexpr int kReceiveFromStb = 32791;
inline constexpr int kClose = 32792;
inline constexpr int kOpenReceived = 32800;
// Arranging the channel lists (the "Group/Channel" page's context menu).
inline constexpr int kMoveTo = 32810;
inline constexpr int kSortByName = 32811;
inline constexpr int kSortBySatellite = 32812;
inline constexpr int kSortByServiceId = 32813;
inline constexpr int kReverseOrder = 32814;
inline constexpr int kFindDuplicates = 32815;
// Check, compare and exchange.
inline constexpr int kCheckDatabase = 32793;
inline constexpr int kCompareWith = 32794;
inline constexpr int kExport = 32795;
inline constexpr int kImport = 32796;

inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kEditUndo = 57643;
inline constexpr int kEditRedo = 57644;
inline constexpr int kAppAbout = 57664;
inline constexpr int kAppExit = 57665;

}  // namespace CommandId
