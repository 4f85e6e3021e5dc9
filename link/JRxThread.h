#pragma once
// The engine behind "Receive from STB": the PC is the receiving side of the transfer
// exchange and collects the receiver's header and data into one image buffer (header
// at 0, data from 64), reporting through a TransferObserver. One engine, one transfer.
//
// Use (user-interface thread):
//   Start(observer, portName, baud)           opens the port, creates the worker parked
//   BeginReceive()                            wakes it; the receive runs on its own
//   Stop()                                    Cancel: the worker ends, no message
//   Completed(), ImageBuffer()                after Stop(): the received image, if complete
// Destruction stops the worker and closes the port.
//
// The engine keeps what arrives in its own buffer and never touches the document: a
// receive that fails or is cancelled leaves the open database exactly as it was, and
// an accepted image is loaded by the window on its own thread.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "link/DataPacket.h"
#include "link/LinkHeader.h"
#include "link/TransferEngine.h"
#include "link/TransferObserver.h"
#include "link/Transport.h"

class JRxThread : public TransferEngine {
 public:
  enum State : int {
    STATUS_WAIT_CONNECT_REQ = 0,
    STATUS_SEND_CONNECT_ACK = 1,
    STATUS_WAIT_CONNECT_RE_ACK = 2,
    STATUS_SEND_HEADER_REQ = 3,
    STATUS_WAIT_HEADER = 4,
    STATUS_SEND_HEADER_ACK = 5,
    STATUS_SEND_HEADER_NACK = 6,
    STATUS_WAIT_HEADER_RCV_ACK = 7,
    STATUS_WAIT_HEADER_RCV_NACK = 8,
    STATUS_SEND_DATA_REQ = 9,
    STATUS_WAIT_DATA = 10,
    STATUS_SEND_DATA_ACK = 11,
    STATUS_SEND_DATA_NACK = 12,
    STATUS_WAIT_DATA_RCV_ACK = 13,
    STATUS_WAIT_DATA_RCV_NACK = 14,
    STATUS_SEND_TERMINATE_REQ = 15,
    STATUS_WAIT_TERMINATE_ACK = 17,
    STATUS_RCV_END = 18,
    STATUS_RCV_FAIL = 19,
    STATUS_RCV_NULL = 20,
  };

  // Wrong-magic headers (counted over the whole run of the program) that end a receive.
  static constexpr int kBadHeaderLimit = 20;
  // Largest data length accepted from a header: a full image without its header.
  static constexpr std::uint32_t kMaxDataLength = LinkHeader::kFullDataLength;

  JRxThread();
  ~JRxThread() override;

  // Opens portName ("COM1".."COM4" or a device path) at `baud`; a port that does not
  // open is reported ("<name> Open Error!") and the receive still runs into its retry
  // limit. 0 when the worker cannot be created ("JRxThread Create Fail").
  int Start(TransferObserver& observer, const std::string& portName, int baud);
  // The same over any transport (tests, benchmarks, quelmar-cli).
  int Start(TransferObserver& observer, std::unique_ptr<Transport> port);

  // Wakes the worker. 0 with "Now Transfering." when a receive already ran or runs.
  int BeginReceive();

  // Ends the worker for good, from any thread but the worker's; returns once it ended.
  void Stop() { StopWorker(); }

  // True once the receive ended with "Download end successfully.".
  bool Completed() const { return completed_.load(std::memory_order_acquire); }
  // The received image: 64 header bytes, then DataLength() data bytes. Null until a
  // header has been accepted. Read it after Stop() (or once Completed()).
  const std::uint8_t* ImageBuffer() const { return imageBuffer_.get(); }
  std::size_t ImageSize() const { return imageBuffer_ ? std::size_t{dataLength_} + 64 : 0; }
  std::uint32_t DataLength() const { return dataLength_; }

  // Why the receive failed on the receiver's header (wrong magic too often, a wrong
  // header sum, a length larger than any database, no memory for it); empty otherwise.
  // The dialog shows only its status line then; quelmar-cli says this. Read it after
  // Stop().
  const std::string& HeaderRefusal() const { return headerRefusal_; }

  // Wrong-magic headers seen by any receive of this program run.
  static int BadHeaderCount();

 private:
  void Step(int state) override;
  void WaitStep(std::uint8_t expected, int next);
  void HeaderStep();
  void DataStep();
  void Finish();
  // Reads one unit of `count` bytes, a byte at a time; a byte that does not come keeps
  // the old content and turns *complete (when given) false. False when a stop was
  // asked for meanwhile or the line was lost.
  bool ReadBlock(std::uint8_t* buffer, std::size_t count, bool* complete = nullptr);

  std::atomic<bool> completed_{false};
  std::string headerRefusal_;

  // Worker-only while it runs.
  std::uint32_t lastPacket_ = 0;
  std::unique_ptr<std::uint8_t[]> imageBuffer_;
  LinkHeader header_;
  DataPacket packet_;
};
