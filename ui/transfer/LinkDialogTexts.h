#pragma once
// Texts of the "Config Setting", "Receive from STB" and "Send to STB" dialogs.
#include <QtGlobal>

namespace LinkDialogTexts {

inline constexpr const char* kConfigCaption = QT_TRANSLATE_NOOP("LinkDialogTexts", "Config Setting");
inline constexpr const char* kDbType = QT_TRANSLATE_NOOP("LinkDialogTexts", "DB Type");
inline constexpr const char* kPort = QT_TRANSLATE_NOOP("LinkDialogTexts", "Port");
inline constexpr const char* kBaudRate = QT_TRANSLATE_NOOP("LinkDialogTexts", "Baud Rate");

inline constexpr const char* kReceiveCaption = QT_TRANSLATE_NOOP("LinkDialogTexts", "Receive from STB");
inline constexpr const char* kSendCaption = QT_TRANSLATE_NOOP("LinkDialogTexts", "Send to STB");
inline constexpr const char* kStatus = QT_TRANSLATE_NOOP("LinkDialogTexts", "Status");
inline constexpr const char* kRetry = QT_TRANSLATE_NOOP("LinkDialogTexts", "Retry");
inline constexpr const char* kElapsed = QT_TRANSLATE_NOOP("LinkDialogTexts", "Elapsed");
inline constexpr const char* kExpected = QT_TRANSLATE_NOOP("LinkDialogTexts", "Excepted");
inline constexpr const char* kAck = QT_TRANSLATE_NOOP("LinkDialogTexts", "Ack");
inline constexpr const char* kSending = QT_TRANSLATE_NOOP("LinkDialogTexts", "Sending");
inline constexpr const char* kTotal = QT_TRANSLATE_NOOP("LinkDialogTexts", "Total");
inline constexpr const char* kByte = QT_TRANSLATE_NOOP("LinkDialogTexts", "Byte");
inline constexpr const char* kPackets = QT_TRANSLATE_NOOP("LinkDialogTexts", "Packets");
// Accessible name of the progress bars, which have no label of their own.
inline constexpr const char* kProgress = QT_TRANSLATE_NOOP("LinkDialogTexts", "Progress");
inline constexpr const char* kOk = QT_TRANSLATE_NOOP("LinkDialogTexts", "OK");
inline constexpr const char* kCancel = QT_TRANSLATE_NOOP("LinkDialogTexts", "Cancel");

// The elapsed clock: minutes are not wrapped into hours.
inline constexpr const char* kClockFormat = "%02d:%02ld";

}  // namespace LinkDialogTexts
