#pragma once
// Texts the receive and send engines show in their dialogs' fields and message boxes.
#include "db/records/TranslateNoop.h"

namespace LinkTexts {

// Ends of a transfer, in the status line and in a message box.
inline constexpr const char* kDownloadOk = QT_TRANSLATE_NOOP("LinkTexts", "Download end successfully.");
inline constexpr const char* kDownloadFail = QT_TRANSLATE_NOOP("LinkTexts", "Download Fail.");
inline constexpr const char* kNoResponse = QT_TRANSLATE_NOOP("LinkTexts", "IRD No response: Retry download.");
// The line below "Download Fail." that says what ended the transfer.
inline constexpr const char* kClosedEarly =
    QT_TRANSLATE_NOOP("LinkTexts", "The receiver ended the transfer before the whole database had arrived.");
inline constexpr const char* kReceiverFailed =
    QT_TRANSLATE_NOOP("LinkTexts", "The receiver reported that it could not store the database.");
// Why a receive ended on the receiver's header.
inline constexpr const char* kBadMagicHeaders = QT_TRANSLATE_NOOP(
    "LinkTexts", "The receiver's headers do not begin with the magic number 0x04212510: it may be no receiver of "
                 "this kind, or the line speed may be wrong.");
inline constexpr const char* kBadHeaderSum = QT_TRANSLATE_NOOP(
    "LinkTexts", "The receiver's header does not add up to its header sum: it was damaged on the line.");
inline constexpr const char* kDataTooLong =
    QT_TRANSLATE_NOOP("LinkTexts", "The receiver's header gives a data length of %1 bytes, more than a whole database (%2).");
inline constexpr const char* kNoMemoryForImage =
    QT_TRANSLATE_NOOP("LinkTexts", "There is not enough memory for the receiver's database.");
// Shown below "IRD No response: Retry download." in the window and by quelmar-cli:
// what a user can check before trying again.
inline constexpr const char* kNoResponseAdvice =
    QT_TRANSLATE_NOOP("LinkTexts", "Check that the cable to the receiver is plugged in at both ends, that the port chosen is the one "
    "the cable is on, and that the receiver waits in its download mode.");

inline constexpr const char* kRxCreateFail = QT_TRANSLATE_NOOP("LinkTexts", "JRxThread Create Fail");
inline constexpr const char* kTxCreateFail = QT_TRANSLATE_NOOP("LinkTexts", "JTxThread Create Fail");
inline constexpr const char* kNowTransfering = QT_TRANSLATE_NOOP("LinkTexts", "Now Transfering.");
inline constexpr const char* kMallocError = QT_TRANSLATE_NOOP("LinkTexts", "Malloc Error!");
inline constexpr const char* kNoData = QT_TRANSLATE_NOOP("LinkTexts", "No Data");
// Follows the port name as it is listed, after a blank.
inline constexpr const char* kOpenError = QT_TRANSLATE_NOOP("LinkTexts", " Open Error!");
// The line under "<name> Open Error!" that says why, in words a user can act on. %1 is
// the device path, %2 and %3 as each says.
inline constexpr const char* kNotSerialDevice = QT_TRANSLATE_NOOP("LinkTexts", "%1 is not a serial device.");
inline constexpr const char* kOwnTerminal =
    QT_TRANSLATE_NOOP("LinkTexts", "%1 is the terminal this program runs in, not the line to the receiver.");
inline constexpr const char* kPermissionDenied =
    QT_TRANSLATE_NOOP("LinkTexts", "Permission denied: %1 belongs to the group %2, and your account is not a member.\n"
    "Add it with\n    sudo usermod -aG %2 $USER\nthen log out and log in again.");
// A device only root may open: adding the user to root's group would be bad advice.
inline constexpr const char* kRootOnly =
    QT_TRANSLATE_NOOP("LinkTexts", "Permission denied: only root may use %1; the administrator can give it to the group %2.");
inline constexpr const char* kNoSuchDevice =
    QT_TRANSLATE_NOOP("LinkTexts", "No such device: %1 is not there. If it is a USB adapter, it may have been unplugged.");
inline constexpr const char* kDeviceBusy = QT_TRANSLATE_NOOP("LinkTexts", "Device busy: another program is using %1.");
inline constexpr const char* kDeviceBusyBy = QT_TRANSLATE_NOOP("LinkTexts", "Device busy: %1 is in use by %2.");
inline constexpr const char* kProcess = QT_TRANSLATE_NOOP("LinkTexts", "%1 (process %2)");
inline constexpr const char* kOtherOpenFailure = QT_TRANSLATE_NOOP("LinkTexts", "%1: %2.");
// The group serial ports belong to on Debian, named when the device's own is unknown.
inline constexpr const char* kSerialGroup = "dialout";

// Status line when the line goes away during a transfer (a USB adapter unplugged, the
// far end of a pseudo-terminal closed); the reason follows.
inline constexpr const char* kLineLost = QT_TRANSLATE_NOOP("LinkTexts", "Line lost: ");
inline constexpr const char* kHungUp = QT_TRANSLATE_NOOP("LinkTexts", "the other end hung up");
inline constexpr const char* kDeviceGone = QT_TRANSLATE_NOOP("LinkTexts", "the device was removed");
// Caption of the send dialog's only button after a successful send.
inline constexpr const char* kOkCaption = QT_TRANSLATE_NOOP("LinkTexts", "OK");

// Status line of "Receive from STB", indexed by the engine state; null where a step
// leaves the line as it was.
inline constexpr const char* kRxStatus[21] = {
    QT_TRANSLATE_NOOP("LinkTexts", "STATUS_WAIT_CONNECT_REQ"),     QT_TRANSLATE_NOOP("LinkTexts", "STATUS_SEND_CONNECT_ACK"),    QT_TRANSLATE_NOOP("LinkTexts", "STATUS_WAIT_CONNECT_RE_ACK"),
    QT_TRANSLATE_NOOP("LinkTexts", "STATUS_SEND_HEADER_REQ"),      QT_TRANSLATE_NOOP("LinkTexts", "STATUS_WAIT_HEADER"),         QT_TRANSLATE_NOOP("LinkTexts", "STATUS_SEND_HEADER_ACK"),
    QT_TRANSLATE_NOOP("LinkTexts", "STATUS_SEND_HEADER_NACK"),     QT_TRANSLATE_NOOP("LinkTexts", "STATUS_WAIT_HEADER_RCV_ACK"), QT_TRANSLATE_NOOP("LinkTexts", "STATUS_WAIT_HEADER_RCV_NACK"),
    QT_TRANSLATE_NOOP("LinkTexts", "STATUS_SEND_DATA_REQ"),        QT_TRANSLATE_NOOP("LinkTexts", "STATUS_WAIT_DATA"),           QT_TRANSLATE_NOOP("LinkTexts", "STATUS_SEND_DATA_ACK"),
    QT_TRANSLATE_NOOP("LinkTexts", "STATUS_SEND_DATA_NACK"),       QT_TRANSLATE_NOOP("LinkTexts", "STATUS_WAIT_DATA_RCV_ACK"),   QT_TRANSLATE_NOOP("LinkTexts", "STATUS_WAIT_DATA_RCV_NACK"),
    nullptr,                       nullptr,                      nullptr,
    QT_TRANSLATE_NOOP("LinkTexts", "STATUS_RCV_END"),              QT_TRANSLATE_NOOP("LinkTexts", "STATUS_RCV_END"),             QT_TRANSLATE_NOOP("LinkTexts", "STATUS_RCV_NULL"),
};

// Status line of "Send to STB", indexed by the engine state.
inline constexpr const char* kTxStatus[19] = {
    QT_TRANSLATE_NOOP("LinkTexts", "Sending connect request"),       QT_TRANSLATE_NOOP("LinkTexts", "Waiting connect request ack"),
    QT_TRANSLATE_NOOP("LinkTexts", "Sending connect request re ack"), QT_TRANSLATE_NOOP("LinkTexts", "Waiting header request"),
    QT_TRANSLATE_NOOP("LinkTexts", "Sending header request"),        QT_TRANSLATE_NOOP("LinkTexts", "Waiting header ACK"),
    QT_TRANSLATE_NOOP("LinkTexts", "Sending header transfer ACK"),   QT_TRANSLATE_NOOP("LinkTexts", "Sending header transfer NACK"),
    QT_TRANSLATE_NOOP("LinkTexts", "Waiting data request"),          QT_TRANSLATE_NOOP("LinkTexts", "Sendig data packet"),
    QT_TRANSLATE_NOOP("LinkTexts", "Waiting data ACK"),              QT_TRANSLATE_NOOP("LinkTexts", "Sending data transfer ACK"),
    QT_TRANSLATE_NOOP("LinkTexts", "Sending data transfer NACK"),    QT_TRANSLATE_NOOP("LinkTexts", "Waiting terminate request"),
    QT_TRANSLATE_NOOP("LinkTexts", "Sending success terminate ACK"), QT_TRANSLATE_NOOP("LinkTexts", "Sending fail terminate ACK"),
    nullptr,                         nullptr,
    nullptr,
};
// State 11 once the receiver has taken the final packet and is storing it.
inline constexpr const char* kTxWaitSaving = QT_TRANSLATE_NOOP("LinkTexts", "Please wait for saving");

}  // namespace LinkTexts
