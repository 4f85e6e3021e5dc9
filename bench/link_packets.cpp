// Cost of the link's per-packet work and of whole transfers through the simulated
// receiver: a full image is 450 packets, so these bound what the engines add on top of
// the line time.
#include <benchmark/benchmark.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <thread>
#include <algorithm>
#include <cstring>
#include <vector>

#include "link/DataPacket.h"
#include "link/LinkHeader.h"
#include "link/SerialPort.h"
#include "sim/MemoryPort.h"
#include "sim/SimReceiver.h"
#include "support/ReferencePc.h"

namespace {

std::vector<std::uint8_t> FullImage() {
  std::vector<std::uint8_t> data(LinkHeader::kFullDataLength);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i * 31);
  const LinkHeader h = LinkHeader::ForSend(0, data.data(), LinkHeader::kFullDataLength);
  std::vector<std::uint8_t> image(LinkHeader::kSize + data.size());
  std::memcpy(image.data(), h.Bytes(), LinkHeader::kSize);
  std::copy(data.begin(), data.end(), image.begin() + LinkHeader::kSize);
  return image;
}

void BM_BuildAndVerifyAllPacketsOfAFullImage(benchmark::State& state) {
  const auto image = FullImage();
  const std::uint8_t* data = image.data() + LinkHeader::kSize;
  const std::uint32_t n = LinkHeader::kFullDataLength;
  for (auto _ : state) {
    for (std::uint32_t i = 0; i < DataPacket::Count(n); ++i) {
      const DataPacket p = DataPacket::Build(data, n, i);
      benchmark::DoNotOptimize(p.Verify());
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * n);
}
BENCHMARK(BM_BuildAndVerifyAllPacketsOfAFullImage);

void BM_HeaderForSendWithDataSum(benchmark::State& state) {
  const auto image = FullImage();
  for (auto _ : state)
    benchmark::DoNotOptimize(
        LinkHeader::ForSend(0, image.data() + LinkHeader::kSize, LinkHeader::kFullDataLength));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * LinkHeader::kFullDataLength);
}
BENCHMARK(BM_HeaderForSendWithDataSum);

// A whole receive of a full image against the simulated receiver in virtual time, with
// a damaged packet and a wrong magic on the way: what an engine test of a full transfer
// costs.
void BM_VirtualFullReceive(benchmark::State& state) {
  const auto image = FullImage();
  for (auto _ : state) {
    SimFaults faults;
    faults.badMagicHeaders = 1;
    faults.corruptPacket = 200;
    MemoryPort port;
    SimReceiver sim(SimRole::Serve, faults);
    SimReceiverPeer peer(port, sim);
    sim.SetImage(image);
    sim.Start(0);
    testkit::ReferencePc pc(port);
    std::vector<std::uint8_t> got;
    if (pc.Receive(got) != testkit::ReferencePc::Result::Done) state.SkipWithError("receive failed");
    benchmark::DoNotOptimize(got.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * LinkHeader::kFullDataLength);
}
BENCHMARK(BM_VirtualFullReceive)->Unit(benchmark::kMillisecond);

// ReadByte's wake-up: one byte written on the far side of a pseudo-terminal and taken by
// a ReadByte that is already waiting. poll() returns as the byte lands, so this is far
// below the 50 ms give-up.
void BM_PtyByteRoundTrip(benchmark::State& state) {
  int master = -1;
  int slave = -1;
  char name[256] = {};
  if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) {
    state.SkipWithError("no pseudo-terminal");
    return;
  }
  SerialPort port;
  port.Open(name, "115200,N,8,1");
  SerialPort far;
  far.Adopt(master, "115200,N,8,1");
  for (auto _ : state) {
    far.WriteByte(0xE1);
    std::uint8_t b = 0;
    if (!port.ReadByte(b)) state.SkipWithError("byte lost");
    port.WriteByte(0xE2);
    if (!far.ReadByte(b)) state.SkipWithError("byte lost");
  }
  port.Close();
  far.Close();
  ::close(slave);
}
BENCHMARK(BM_PtyByteRoundTrip)->Unit(benchmark::kMicrosecond);

// A full image over a real pseudo-terminal, byte-wise reads as the receive engine does
// them, against the simulated receiver on the other side.
void BM_PtyFullReceive(benchmark::State& state) {
  const auto image = FullImage();
  for (auto _ : state) {
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) {
      state.SkipWithError("no pseudo-terminal");
      return;
    }
    SerialPort pcPort;
    pcPort.Open(name, "115200,N,8,1");
    SerialPort simPort;
    simPort.Adopt(master, "115200,N,8,1");
    SimReceiver sim(SimRole::Serve);
    sim.SetImage(image);
    sim.SetOutput([&](const std::uint8_t* d, std::size_t n) { simPort.Write(d, n); });
    std::thread simThread([&] {
      sim.Start(0);
      std::uint8_t buf[4096];
      std::uint64_t t = 0;
      while (!sim.Done() && t < 20000) {
        std::uint8_t b = 0;
        if (simPort.ReadByte(b)) {
          sim.OnReceived(&b, 1, t);
          const std::size_t n = simPort.Read(buf, sizeof buf);
          sim.OnReceived(buf, n, t);
        } else {
          t += 50;
          sim.OnTime(t);
        }
      }
    });
    testkit::ReferencePc pc(pcPort);
    std::vector<std::uint8_t> got;
    if (pc.Receive(got) != testkit::ReferencePc::Result::Done) state.SkipWithError("receive failed");
    simThread.join();
    pcPort.Close();
    simPort.Close();
    ::close(slave);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * LinkHeader::kFullDataLength);
}
BENCHMARK(BM_PtyFullReceive)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
