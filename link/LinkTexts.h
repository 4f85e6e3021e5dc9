#pragma once
// Texts the receive and send engines show in their dialogs' fields and message boxes.

namespace LinkTexts {

// Ends of a transfer, in the status line and in a message box.
inline constexpr const char* kDownloadOk = "Download end successfully.";
inline constexpr const char* kDownloadFail = "Download Fail.";
inline constexpr const char* kNoResponse = "IRD No response: Retry download.";
// Shown below "IRD No response: Retry download." in the window and by quelmar-cli:
// what a user can check before trying again.
inline constexpr const char* kNoResponseAdvice =
    "Check that the cable to the receiver is plugged in at both ends, that the port chosen is the one "
    "the cable is on, and that the receiver waits in its download mode.";

inline constexpr const char* kRxCreateFail = "JRxThread Create Fail";
inline constexpr const char* kTxCreateFail = "JTxThread Create Fail";
inline constexpr const char* kNowTransfering = "Now Transfering.";
inline constexpr const char* kMallocError = "Malloc Error!";
inline constexpr const char* kNoData = "No Data";
// Follows the port name as it is listed, after a blank.
inline constexpr const char* kOpenError = " Open Error!";
// The line under "<name> Open Error!" that says why, in words a user can act on. %1 is
// the device path, %2 and %3 as each says.
inline constexpr const char* kNotSerialDevice = "%1 is not a serial device.";
inline constexpr const char* kOwnTerminal =
    "%1 is the terminal this program runs in, not the line to the receiver.";
inline constexpr const char* kPermissionDenied =
    "Permission denied: %1 belongs to the group %2, and your account is not a member.\n"
    "Add it with\n    sudo usermod -aG %2 $USER\nthen log out and log in again.";
// A device only root may open: adding the user to root's group would be bad advice.
inline constexpr const char* kRootOnly =
    "Permission denied: only root may use %1; the administrator can give it to the group %2.";
inline constexpr const char* kNoSuchDevice =
    "No such device: %1 is not there. If it is a USB adapter, it may have been unplugged.";
inline constexpr const char* kDeviceBusy = "Device busy: another program is using %1.";
inline constexpr const char* kDeviceBusyBy = "Device busy: %1 is in use by %2.";
inline constexpr const char* kProcess = "%1 (process %2)";
inline constexpr const char* kOtherOpenFailure = "%1: %2.";
// The group serial ports belong to on Debian, named when the device's own is unknown.
inline constexpr const char* kSerialGroup = "dialout";

// Status line when the line goes away during a transfer (a USB adapter unplugged, the
// far end of a pseudo-terminal closed); the reason follows.
inline constexpr const char* kLineLost = "Line lost: ";
inline constexpr const char* kHungUp = "the other end hung up";
inline constexpr const char* kDeviceGone = "the device was removed";
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
