#pragma once
// Texts of the "Config Setting", "Receive from STB" and "Send to STB" dialogs.

namespace LinkDialogTexts {

inline constexpr const char* kConfigCaption = "Config Setting";
inline constexpr const char* kDbType = "DB Type";
inline constexpr const char* kPort = "Port";
inline constexpr const char* kBaudRate = "Baud Rate";

inline constexpr const char* kReceiveCaption = "Receive from STB";
inline constexpr const char* kSendCaption = "Send to STB";
inline constexpr const char* kStatus = "Status";
inline constexpr const char* kRetry = "Retry";
inline constexpr const char* kElapsed = "Elapsed";
inline constexpr const char* kExpected = "Excepted";
inline constexpr const char* kAck = "Ack";
inline constexpr const char* kSending = "Sending";
inline constexpr const char* kTotal = "Total";
inline constexpr const char* kByte = "Byte";
inline constexpr const char* kPackets = "Packets";
// Accessible name of the progress bars, which have no label of their own.
inline constexpr const char* kProgress = "Progress";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancel = "Cancel";

// The elapsed clock: minutes are not wrapped into hours.
inline constexpr const char* kClockFormat = "%02d:%02ld";

}  // namespace LinkDialogTexts
