#pragma once
// The engine behind "Send to STB": the PC is the sending side of the transfer exchange.
// It sends a fresh link header and the document's image data packet by packet, as the
// receiver asks for them, then waits while the receiver stores what it got.
//
// Use (user-interface thread):
//   Start(observer, portName, baud)   creates the worker parked, opens the port
//   PrepareSend(source)               builds the image and header; ends in BeginSend,
//                                     or in "Malloc Error!" / "No Data" with nothing sent
//   Finish()                          Cancel (or OK after success): stops the worker,
//                                     shows the final message if the send had just ended
// Destruction stops the worker and closes the port.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "db/image/ImageSource.h"
#include "link/LinkHeader.h"
#include "link/TransferEngine.h"
#include "link/TransferObserver.h"
#include "link/Transport.h"

class JTxThread : public TransferEngine {
 public:
  enum State : int {
    TX_SEND_CONNECT_REQ = 0,
    TX_WAIT_CONNECT_ACK = 1,
    TX_SEND_CONNECT_RE_ACK = 2,
    TX_WAIT_HEADER_REQ = 3,
    TX_SEND_HEADER = 4,
    TX_WAIT_HEADER_ACK = 5,
    TX_SEND_HEADER_TRANSFER_ACK = 6,
    TX_SEND_HEADER_TRANSFER_NACK = 7,
    TX_WAIT_DATA_REQ = 8,
    TX_SEND_DATA = 9,
    TX_WAIT_DATA_ACK = 10,
    TX_SEND_DATA_TRANSFER_ACK = 11,
    TX_SEND_DATA_TRANSFER_NACK = 12,
    TX_WAIT_TERMINATE_REQ = 13,
    TX_SEND_SUCCESS_TERMINATE_ACK = 14,
    TX_SEND_FAIL_TERMINATE_ACK = 15,
    TX_END_SUCCESS = 16,
    TX_END_FAIL = 17,
    TX_IDLE = 18,
  };

  // The image the document builds: the link header's place plus seven 64 KiB blocks.
  static constexpr std::size_t kImageSize = 0x70040;

  JTxThread();
  ~JTxThread() override;

  // 0 with "JTxThread Create Fail" when the worker cannot be created (the port then
  // stays closed). A port that does not open is reported ("<name> Open Error!") and
  // the send still runs: it repeats its connect request until Finish.
  int Start(TransferObserver& observer, const std::string& portName, int baud);
  // The same over any transport (tests, benchmarks, quelmar-cli).
  int Start(TransferObserver& observer, std::unique_ptr<Transport> port);

  // The send preparation: the image `source` builds (the document's, under its DbType
  // in force) behind a fresh header, then BeginSend. 1 when the worker runs; 0 after a
  // message ("Now Transfering.", "Malloc Error!", "No Data") or when Start failed.
  int PrepareSend(ImageSource& source);

  // Shows "Total" and "Excepted", then wakes the worker. `header` goes out as it is.
  int BeginSend(const LinkHeader& header, std::unique_ptr<std::uint8_t[]> data,
                std::uint32_t dataLength);

  // Cancel: ends the worker (from any thread but the worker's), then shows the final
  // message if the send had just reached its end and stops the elapsed clock.
  void Finish();

  // True once the send ended with "Download end successfully.".
  bool Succeeded() const { return succeeded_.load(std::memory_order_acquire); }

  // Seconds the "Excepted" field shows for `dataLength` data bytes. The figure is the
  // receiver's write time and does not depend on the line speed.
  static std::uint32_t ExpectedSeconds(std::uint32_t dataLength);
  // "mm:ss"; minutes are not wrapped into hours.
  static std::string FormatMinutes(std::uint32_t seconds);

 private:
  void Step(int state) override;
  bool WaitStep(std::uint8_t expected, int next);
  void HeaderStep();
  void PacketStep();
  // The reporting half of Finish: messages, button caption, clock, back to idle.
  void FinishReport();

  std::atomic<bool> succeeded_{false};

  // Worker-only while it runs.
  // The packet on the line that the receiver has neither acknowledged nor refused;
  // -1 when none. A repeated request for data means it must go again.
  int packetInFlight_ = -1;
  std::uint16_t lastPacket_ = 0;
  LinkHeader header_;
  std::unique_ptr<std::uint8_t[]> data_;
};
