#include "link/TransferPort.h"

std::unique_ptr<SerialPort> OpenTransferPort(TransferObserver& observer, const std::string& portName,
                                             int baud) {
  auto port = std::make_unique<SerialPort>();
  port->SetErrorReporter([&observer](const std::string& message) { observer.ShowMessage(message); });
  port->Open(portName, std::to_string(baud) + ",N,8,1");
  // The reporter must not outlive this call: the port lives on in the engine.
  port->SetErrorReporter(nullptr);
  return port;
}
