#pragma once
// What a receive needs from the document, and no more: room for the database whose
// header has just arrived from the receiver. The document provides it; the receive
// engine sees nothing else of the document.
#include <cstdint>

class ReceiveStorage {
 public:
  // Releases the stored database; with validFlag 1 prepares an empty one for the DbType
  // in force. False when it cannot be had. Called on the receive worker while the
  // modal transfer dialog keeps every other command away.
  virtual bool PrepareStorage(std::uint32_t validFlag) = 0;

 protected:
  ~ReceiveStorage() = default;
};
