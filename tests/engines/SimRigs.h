#pragma once
// The engines against the simulated receiver (sim/SimReceiver, the code stbsim runs) over
// an in-memory line in virtual time: RxRig has it serve an image to JRxThread, TxRig has
// it take one from JTxThread. SimFaults make it misbehave as a receiver does. A rig
// stops its engine before anything the worker uses goes away.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "EngineTestUtil.h"
#include "db/image/ImageSource.h"
#include "link/DataPacket.h"
#include "link/JRxThread.h"
#include "link/JTxThread.h"
#include "link/LinkHeader.h"
#include "sim/MemoryPort.h"
#include "sim/SimReceiver.h"
#include "support/FarEnd.h"
#include "support/RecordingObserver.h"

using Bytes = std::vector<std::uint8_t>;

// What both rigs hold: the engine, what it tells the user, and the simulator at the far
// end of its line.
template <class Engine>
struct SimLine {
  SimLine(SimRole role, SimFaults faults) : sim(role, faults) {}
  // A line with the simulator, started, at its far end, for the engine's Start.
  std::unique_ptr<MemoryPort> Connect() {
    auto owned = std::make_unique<MemoryPort>();
    port = owned.get();
    far = std::make_unique<testkit::FarEnd>(*port, sim);
    return owned;
  }

  testkit::RecordingObserver observer;
  Engine engine;
  SimReceiver sim;
  MemoryPort* port = nullptr;
  std::unique_ptr<testkit::FarEnd> far;
};

// The receiver serves `header` and `data`.
struct RxRig : SimLine<JRxThread> {
  // `dataLength` bytes of pattern data behind a header built as the editor builds one.
  explicit RxRig(std::uint32_t dataLength, SimFaults faults = {}, int dbType = 0)
      : RxRig(PatternImage(dataLength, dbType), faults) {}
  // A whole image (header, then data), as a document file holds it.
  explicit RxRig(const Bytes& image, SimFaults faults = {})
      : RxRig(LinkHeader(image.data()), Bytes(image.begin() + LinkHeader::kSize, image.end()), faults) {}
  RxRig(const LinkHeader& h, Bytes d, SimFaults faults)
      : SimLine(SimRole::Serve, faults), header(h), data(std::move(d)) {
    sim.SetImage(Expected());
    sim.SetLog([this](const std::string& entry) { log.push_back(entry); });
    EXPECT_EQ(engine.Start(observer, Connect()), 1);
  }
  ~RxRig() { engine.Stop(); }

  // Runs the receive to its end (the engine idle again).
  void Run() {
    ASSERT_EQ(engine.BeginReceive(), 1);
    ASSERT_TRUE(WaitUntil([&] { return engine.IsIdle(); }));
    engine.Stop();
  }
  Bytes Expected() const {
    Bytes v(header.Bytes(), header.Bytes() + LinkHeader::kSize);
    v.insert(v.end(), data.begin(), data.end());
    return v;
  }
  Bytes Received() const { return Bytes(engine.ImageBuffer(), engine.ImageBuffer() + engine.ImageSize()); }
  // The codes the engine wrote, in order.
  Bytes Written() const { return port->AllWritten(); }
  // The packet numbers the receiver sent, in order, damaged copies included.
  std::vector<int> Served() const {
    std::vector<int> served;
    for (const std::string& line : log) {
      const std::size_t at = line.find("STB> packet ");
      if (at != std::string::npos) served.push_back(std::stoi(line.substr(at + 12)));
    }
    return served;
  }
  const SimStats& Stats() const { return sim.Stats(); }

  LinkHeader header;
  Bytes data;
  std::vector<std::string> log;
};

// The receiver takes what JTxThread sends. The rig is also the document the image comes
// from: pattern bytes of `imageSize`, or the image a real document built.
struct TxRig : ImageSource, SimLine<JTxThread> {
  explicit TxRig(SimFaults faults = {}, std::size_t imageSize = 0x70040)
      : TxRig(PatternData(imageSize, 11), faults) {}
  TxRig(Bytes built, SimFaults faults) : SimLine(SimRole::Accept, faults), image(std::move(built)) {
    EXPECT_EQ(engine.Start(observer, Connect()), 1);
  }
  ~TxRig() { engine.Finish(); }

  std::size_t BuildImage(std::uint8_t* out) override {
    std::memcpy(out, image.data(), image.size());
    return image.size();
  }
  int GetDbType() const override { return dbType; }
  int Prepare(int type) {
    dbType = type;
    return engine.PrepareSend(*this);
  }
  // Runs the send of the rig's image, or of `source`'s, to its end and presses the
  // dialog's button.
  void Run(int type = 3) {
    dbType = type;
    Run(*this);
  }
  void Run(ImageSource& source) {
    ASSERT_EQ(engine.PrepareSend(source), 1);
    ASSERT_TRUE(WaitUntil([&] { return engine.IsIdle(); }));
    engine.Finish();
  }
  // The data behind the image's own header: what the receiver must end up holding.
  Bytes Data() const { return {image.begin() + LinkHeader::kSize, image.end()}; }
  // What the receiver stored behind the header it accepted.
  Bytes Taken() const {
    const Bytes& got = sim.ReceivedImage();
    return got.size() < LinkHeader::kSize ? Bytes() : Bytes(got.begin() + LinkHeader::kSize, got.end());
  }
  // Every header and every packet the engine put on the line, in order.
  std::vector<Bytes> Headers() const { return far->Writes(LinkHeader::kSize); }
  std::vector<Bytes> Packets() const { return far->Writes(DataPacket::kSize); }

  Bytes image;
  int dbType = 3;
};
