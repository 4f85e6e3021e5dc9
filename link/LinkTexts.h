#pragma once
// Texts the receive and send engines show in their dialogs' fields and message boxes.

namespace LinkTexts {

// Ends of a transfer, in the status line and in a message box.
inline constexpr const char* kDownloadOk = "Download end successfully.";
inline constexpr const char* kDownloadFail = "Download Fail.";
inline constexpr const char* kNoResponse = "IRD No response: Retry download.";

inline constexpr const char* kRxCreateFail = "JRxThread Create Fail";
inline constexpr const char* kTxCreateFail = "JTxThread Create Fail";
inline constexpr const char* kNowTransfering = "Now Transfering.";
inline constexpr const char* kMallocError = "Malloc Error!";
inline constexpr const char* kNoData = "No Data";
// Follows the port name as it is listed, after a blank.
inline constexpr const char* kOpenError = " Open Error!";
// Caption of the send dialog's only button after a successful send.
inline constexpr const char* kOkCaption = "OK";

// Status line of "Receive from STB", indexed by the engine state; null where a step
// leaves the line as it was.
inline constexpr const char* kRxStatus[21] = {
    "STATUS_WAIT_CONNECT_REQ",     "STATUS_SEND_CONNECT_ACK",    "STATUS_WAIT_CONNECT_RE_ACK",
    "STATUS_SEND_HEADER_REQ",      "STATUS_WAIT_HEADER",         "STATUS_SEND_HEADER_ACK",
    "STATUS_SEND_HEADER_NACK",     "STATUS_WAIT_HEADER_RCV_ACK", "STATUS_WAIT_HEADER_RCV_NACK",
    "STATUS_SEND_DATA_REQ",        "STATUS_WAIT_DATA",           "STATUS_SEND_DATA_ACK",
    "STATUS_SEND_DATA_NACK",       "STATUS_WAIT_DATA_RCV_ACK",   "STATUS_WAIT_DATA_RCV_NACK",
    nullptr,                       nullptr,                      nullptr,
    "STATUS_RCV_END",              "STATUS_RCV_END",             "STATUS_RCV_NULL",
};

// Status line of "Send to STB", indexed by the engine state.
inline constexpr const char* kTxStatus[19] = {
    "Sending connect request",       "Waiting connect request ack",
    "Sending connect request re ack", "Waiting header request",
    "Sending header request",        "Waiting header ACK",
    "Sending header transfer ACK",   "Sending header transfer NACK",
    "Waiting data request",          "Sendig data packet",
    "Waiting data ACK",              "Sending data transfer ACK",
    "Sending data transfer NACK",    "Waiting terminate request",
    "Sending success terminate ACK", "Sending fail terminate ACK",
    nullptr,                         nullptr,
    nullptr,
};
// State 11 once the receiver has taken the final packet and is storing it.
inline constexpr const char* kTxWaitSaving = "Please wait for saving";

}  // namespace LinkTexts
