#pragma once
// Opens the serial port a transfer engine talks through.
#include <memory>
#include <string>

#include "link/TransferObserver.h"
#include "link/Transport.h"

// `portName` as the user chose it ("COM1".."COM4" or a device path), 8N1 at `baud`.
// Always returns a port: one that failed to open has been reported through the
// observer ("<name> Open Error!") and behaves like a dead line.
std::unique_ptr<Transport> OpenTransferPort(TransferObserver& observer, const std::string& portName,
                                            int baud);
