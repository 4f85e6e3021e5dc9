// Whole-image transfers through a pseudo-terminal against stbsim, with the real engines
// and serial port: receive and send, unpaced (what the program itself costs) and paced
// at 115200 baud (against the time the bytes need on the line).
#include <benchmark/benchmark.h>

#include <chrono>

#include "link/DataPacket.h"
#include "link/JRxThread.h"
#include "link/JTxThread.h"
#include "support/RecordingObserver.h"
#include "support/SampleDocs.h"
#include "support/Stbsim.h"
#include "support/TempDir.h"
#include "support/Wait.h"

namespace {

using testkit::Stbsim;
using testkit::TempDir;

constexpr int kBaud = 115200;

// Every byte of a full-image transfer, both directions, at 10 bits (8N1) each: the
// least time the line allows, since the exchange never has both sides talk at once.
double LineBoundSeconds() {
  const std::uint64_t packets = DataPacket::Count(0x70000);
  const std::uint64_t fromSender = 1 /*CONNECT_REQ*/ + 1 /*CONNECT_RE_ACK*/ + 64 + 1 /*HEADER_RCV_ACK*/ +
                                   packets * (1024 + 1 /*DATA_RCV_ACK*/) + 1 /*TERMINATE_ACK*/;
  const std::uint64_t fromTaker = 1 /*CONNECT_ACK*/ + 1 /*HEADER_REQ*/ + 1 /*HEADER_ACK*/ +
                                  packets * 2 /*DATA_REQ, DATA_ACK*/ + 1 /*TERMINATE_REQ*/;
  return static_cast<double>((fromSender + fromTaker) * 10) / kBaud;
}

std::vector<std::string> SimArgs(const std::string& mode, const std::string& file, bool paced) {
  std::vector<std::string> args = {mode, file, "--quiet", "--timeout", "300", "--connect-interval", "5"};
  if (paced) args.insert(args.end(), {"--pace", "--baud", std::to_string(kBaud)});
  return args;
}

void Report(benchmark::State& state, double seconds, bool paced) {
  state.SetIterationTime(seconds);
  if (paced) {
    state.counters["line_bound_s"] = LineBoundSeconds();
    state.counters["vs_bound_pct"] = 100.0 * (seconds / LineBoundSeconds() - 1.0);
  }
}

void BM_PtyFullReceive(benchmark::State& state) {
  const bool paced = state.range(0) != 0;
  TempDir dir;
  const std::vector<std::uint8_t> image = testkit::FullImage(dbtype::kDefault);
  testkit::WriteBytes(dir.File("stb.qdb"), image);
  for (auto _ : state) {
    Stbsim sim(SimArgs("serve", dir.File("stb.qdb"), paced));
    const std::string device = sim.Device();
    if (device.empty()) {
      state.SkipWithError("stbsim did not start");
      return;
    }
    testkit::RecordingObserver observer;
    JRxThread engine;
    engine.Start(observer, device, kBaud);
    const auto t0 = std::chrono::steady_clock::now();
    engine.BeginReceive();
    testkit::WaitUntil([&] { return engine.IsIdle(); },
                       std::chrono::minutes(10), std::chrono::microseconds(200));
    const auto t1 = std::chrono::steady_clock::now();
    engine.Stop();
    if (!engine.Completed() || !std::equal(image.begin(), image.end(), engine.ImageBuffer())) {
      state.SkipWithError("receive did not complete byte-exact");
      return;
    }
    Report(state, std::chrono::duration<double>(t1 - t0).count(), paced);
    sim.Wait();
  }
}
BENCHMARK(BM_PtyFullReceive)->Arg(0)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PtyFullReceive)->Arg(1)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_PtyFullSend(benchmark::State& state) {
  const bool paced = state.range(0) != 0;
  TempDir dir;
  auto doc = testkit::FullDocument(3);
  for (auto _ : state) {
    Stbsim sim(SimArgs("accept", dir.File("taken.qdb"), paced));
    const std::string device = sim.Device();
    if (device.empty()) {
      state.SkipWithError("stbsim did not start");
      return;
    }
    testkit::RecordingObserver observer;
    JTxThread engine;
    engine.Start(observer, device, kBaud);
    const auto t0 = std::chrono::steady_clock::now();
    engine.PrepareSend(*doc);
    testkit::WaitUntil([&] { return engine.IsIdle(); },
                       std::chrono::minutes(10), std::chrono::microseconds(200));
    const auto t1 = std::chrono::steady_clock::now();
    engine.Finish();
    if (!engine.Succeeded() || sim.Wait() != 0) {
      state.SkipWithError("send did not succeed");
      return;
    }
    Report(state, std::chrono::duration<double>(t1 - t0).count(), paced);
  }
}
BENCHMARK(BM_PtyFullSend)->Arg(0)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PtyFullSend)->Arg(1)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
