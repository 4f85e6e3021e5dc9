#pragma once
// Opens the serial port a transfer talks through.
#include <memory>
#include <string>

#include "link/SerialPort.h"
#include "link/TransferObserver.h"

// `portName` as the user chose it ("COM1".."COM4" or a device path), 8N1 at `baud`.
// Always returns a port: one that failed to open has been reported through the
// observer ("<name> Open Error!") and behaves like a dead line. The window lets a
// transfer run into its limit on it; a script can ask IsOpen() and stop at once.
std::unique_ptr<SerialPort> OpenTransferPort(TransferObserver& observer, const std::string& portName,
                                             int baud);
