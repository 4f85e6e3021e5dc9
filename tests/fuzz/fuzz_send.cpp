// The send engine answered by a receiver that says whatever the input says. The first
// input byte picks how much data is sent; the rest is the receiver's script. Whatever
// the answers, every header and packet the engine puts on the line must be the header
// or one of the packets of the data, and the engine must end or keep asking to connect.
#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

#include "fuzz/FuzzTargets.h"
#include "fuzz/QuietObserver.h"
#include "fuzz/ScriptPeer.h"
#include "link/DataPacket.h"
#include "link/JTxThread.h"
#include "link/LinkCodes.h"
#include "link/LinkHeader.h"
#include "sim/MemoryPort.h"
#include "support/Wait.h"

namespace {

constexpr std::uint64_t kGraceMs = 120'000;
// Lengths around the packet edges: one short packet, one exactly full, an empty final
// packet, and a short final packet.
constexpr std::uint32_t kLengths[] = {10, 1021, 2042, 2500};

}  // namespace

int FuzzSend(const std::uint8_t* data, std::size_t size) {
  const std::uint32_t length = kLengths[size > 0 ? data[0] % 4 : 0];
  const std::uint8_t* script = size > 0 ? data + 1 : data;
  const std::size_t scriptSize = size > 0 ? size - 1 : 0;

  std::vector<std::uint8_t> payload(length);
  for (std::uint32_t i = 0; i < length; ++i) payload[i] = static_cast<std::uint8_t>(i * 7 + 3);
  const LinkHeader header = LinkHeader::ForSend(3, payload.data(), length);
  std::unique_ptr<std::uint8_t[]> owned(new std::uint8_t[length]);
  std::memcpy(owned.get(), payload.data(), length);

  ScriptPeer peer(script, scriptSize, kGraceMs);
  QuietObserver observer;
  auto port = std::make_unique<MemoryPort>();
  port->SetPeer(&peer);
  JTxThread tx;
  if (tx.Start(observer, std::move(port)) != 1) FuzzFail("send engine did not start");
  if (tx.BeginSend(header, std::move(owned), length) != 1) FuzzFail("send did not begin");
  const bool ended = testkit::WaitUntil([&] { return tx.IsIdle() || peer.Expired(); },
                                        std::chrono::seconds(60), std::chrono::microseconds(50));
  const int state = tx.CurrentState();
  tx.Finish();
  SetLastFuzzEnding({tx.Succeeded(), state == JTxThread::TX_IDLE && !tx.Succeeded()});
  if (!ended) FuzzFail("send engine livelocked");
  // Only the connect phase may go on without end: the engine keeps asking until Cancel.
  if (state != JTxThread::TX_IDLE && state != JTxThread::TX_SEND_CONNECT_REQ &&
      state != JTxThread::TX_WAIT_CONNECT_ACK)
    FuzzFail("send engine outlived its retry limit");

  const std::uint32_t packets = DataPacket::Count(length);
  for (const auto& w : peer.Writes()) {
    if (w.size() == 1) {
      if (LinkCode::Name(w[0]) == nullptr) FuzzFail("engine sent a byte that is no code");
    } else if (w.size() == LinkHeader::kSize) {
      if (std::memcmp(w.data(), header.Bytes(), LinkHeader::kSize) != 0) FuzzFail("engine sent another header");
    } else if (w.size() == DataPacket::kSize) {
      bool known = false;
      for (std::uint32_t i = 0; i < packets && !known; ++i)
        known = std::memcmp(DataPacket::Build(payload.data(), length, i).Bytes(), w.data(), DataPacket::kSize) == 0;
      if (!known) FuzzFail("engine sent a packet that is not one of the data");
    } else {
      FuzzFail("engine wrote a unit of unknown size");
    }
  }
  return 0;
}

#ifdef QUELMAR_LIBFUZZER
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzSend(data, size);
}
#endif
