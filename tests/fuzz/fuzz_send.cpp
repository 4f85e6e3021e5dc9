// The send engine answered by a receiver that says whatever the input says. Whatever
// the answers, every header and packet the engine puts on the line must be the header
// or one of the packets of the data, and the engine must end or keep asking to connect
// (never on a line that is gone).
//
// Two kinds of input, told apart by the first byte:
//   < 0x80   its low two bits pick how much data is sent; the rest is the receiver's
//            script at the far end;
//   >= 0x80  its low three bits pick how much data is sent, to a simulated receiver that
//            takes it correctly except where the fault script that follows says
//            otherwise, so a short input reaches the end of a whole image.
#include <chrono>
#include <cstring>
#include <memory>
#include <unordered_map>
#include <vector>

#include "db/image/DatabaseImage.h"
#include "fuzz/FuzzTargets.h"
#include "link/DataPacket.h"
#include "link/JTxThread.h"
#include "link/LinkCodes.h"
#include "link/LinkHeader.h"
#include "link/LinkTexts.h"
#include "sim/MemoryPort.h"
#include "sim/SimReceiver.h"
#include "support/FarEnd.h"
#include "support/RecordingObserver.h"
#include "support/Wait.h"

namespace {

constexpr std::uint64_t kGraceMs = 120'000;
// Lengths around the packet edges: one short packet, one exactly full, an empty final
// packet, a short final packet; then one byte into a second packet, three full packets,
// half a packet and a whole database.
constexpr std::uint32_t kLengths[] = {10,   1021, 2042, 2500,
                                      1022, 3063, 510,  DatabaseImage::kImageSize - LinkHeader::kSize};

std::uint64_t Fingerprint(const std::uint8_t* bytes, std::size_t count) {
  std::uint64_t h = 1469598103934665603ull;
  for (std::size_t i = 0; i < count; ++i) h = (h ^ bytes[i]) * 1099511628211ull;
  return h;
}

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

int FuzzSend(const std::uint8_t* data, std::size_t size) {
  const bool simulated = size > 0 && data[0] >= 0x80;
  const std::uint32_t length = kLengths[size == 0 ? 0 : simulated ? data[0] & 7 : data[0] & 3];
  const std::uint8_t* rest = size > 0 ? data + 1 : data;
  const std::size_t restSize = size > 0 ? size - 1 : 0;

  std::vector<std::uint8_t> payload(length);
  for (std::uint32_t i = 0; i < length; ++i) payload[i] = static_cast<std::uint8_t>(i * 7 + 3);
  const LinkHeader header = LinkHeader::ForSend(3, payload.data(), length);
  std::unique_ptr<std::uint8_t[]> owned(new std::uint8_t[length]);
  std::memcpy(owned.get(), payload.data(), length);

  testkit::RecordingObserver observer;
  SimReceiver sim(SimRole::Accept);
  JTxThread tx;
  auto port = std::make_unique<MemoryPort>();
  const auto far = simulated ? std::make_unique<testkit::FarEnd>(
                                   *port, sim, testkit::FaultScript::Decode(rest, restSize), nullptr, kGraceMs)
                             : std::make_unique<testkit::FarEnd>(*port, std::vector(rest, rest + restSize), kGraceMs);
  if (tx.Start(observer, std::move(port)) != 1) FuzzFail("send engine did not start");
  if (tx.BeginSend(header, std::move(owned), length) != 1) FuzzFail("send did not begin");
  const bool ended = testkit::WaitUntil([&] { return tx.IsIdle() || far->Expired(); }, std::chrono::seconds(60),
                                        std::chrono::microseconds(50));
  const int state = tx.CurrentState();
  tx.Finish();
  const bool lineLost = StartsWith(observer.Status(), LinkTexts::kLineLost);
  const bool hungUp = far->HungUp();
  SetLastFuzzEnding({tx.Succeeded(), state == JTxThread::TX_IDLE && !tx.Succeeded(), lineLost});
  if (!ended) FuzzFail("send engine livelocked");
  // Only the connect phase may go on without end: the engine keeps asking until Cancel,
  // unless the line is gone.
  if (state != JTxThread::TX_IDLE &&
      (hungUp || (state != JTxThread::TX_SEND_CONNECT_REQ && state != JTxThread::TX_WAIT_CONNECT_ACK)))
    FuzzFail("send engine outlived its retry limit");
  if (lineLost && (tx.Succeeded() || !hungUp)) FuzzFail("line lost on a line still there");

  const std::uint32_t packets = DataPacket::Count(length);
  std::unordered_map<std::uint64_t, std::uint32_t> known;
  for (std::uint32_t i = 0; i < packets; ++i) {
    const DataPacket p = DataPacket::Build(payload.data(), length, i);
    known.emplace(Fingerprint(p.Bytes(), DataPacket::kSize), i);
  }
  const auto& writes = far->Writes();
  for (const auto& w : writes) {
    if (w.size() == 1) {
      if (LinkCode::Name(w[0]) == nullptr) FuzzFail("engine sent a byte that is no code");
    } else if (w.size() == LinkHeader::kSize) {
      if (std::memcmp(w.data(), header.Bytes(), LinkHeader::kSize) != 0) FuzzFail("engine sent another header");
    } else if (w.size() == DataPacket::kSize) {
      const auto it = known.find(Fingerprint(w.data(), w.size()));
      if (it == known.end() ||
          std::memcmp(DataPacket::Build(payload.data(), length, it->second).Bytes(), w.data(), DataPacket::kSize) != 0)
        FuzzFail("engine sent a packet that is not one of the data");
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
