// The receive engine against a receiver that says whatever the input says. Whatever
// arrives, the engine must end (by completing, failing or its retry limit) within the
// virtual time its limits allow, touch no memory it does not own, and never call a
// receive complete unless the image it holds is headed by an accepted header.
//
// Two kinds of input, told apart by the first byte:
//   < 0x80   the receiver's bytes as a far-end script, the first byte included;
//   >= 0x80  a simulated receiver serving a database (its size picked by the low three
//            bits) that plays correctly except where the fault script that follows
//            says otherwise, so a short input reaches the end of a whole image.
#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

#include "db/document/CQuelmarDoc.h"
#include "db/image/DatabaseImage.h"
#include "fuzz/FuzzTargets.h"
#include "link/JRxThread.h"
#include "link/LinkHeader.h"
#include "link/LinkTexts.h"
#include "sim/MemoryPort.h"
#include "sim/SimReceiver.h"
#include "support/FarEnd.h"
#include "support/RecordingObserver.h"
#include "support/SampleDocs.h"
#include "support/Wait.h"

namespace {
// Longer than the slowest way the engine can give up once the line falls silent: a
// packet's 1024 byte waits, then 1001 failed waits.
constexpr std::uint64_t kGraceMs = 200'000;

// A whole database image as the receiver would serve it, built once.
const std::vector<std::uint8_t>& SampleImage() {
  static const std::vector<std::uint8_t> image = testkit::ImageOf(*testkit::SampleDocument());
  return image;
}

// What the simulated receiver serves for the size picked by `pick` (0..7): small images
// around the packet edges, none at all, a whole database, one byte more than the engine
// takes.
std::vector<std::uint8_t> ServedImage(unsigned pick) {
  if (pick == 6) return SampleImage();
  constexpr std::uint32_t kLengths[] = {10, 1021, 1022, 2042, 3000, 0, 0, JRxThread::kMaxDataLength + 1};
  const std::uint32_t length = kLengths[pick];
  std::vector<std::uint8_t> data(length);
  for (std::uint32_t i = 0; i < length; ++i) data[i] = static_cast<std::uint8_t>(i * 131 ^ i >> 8);
  const LinkHeader header = LinkHeader::ForSend(3, data.data(), length);
  std::vector<std::uint8_t> image(LinkHeader::kSize + length);
  std::memcpy(image.data(), header.Bytes(), LinkHeader::kSize);
  if (length > 0) std::memcpy(image.data() + LinkHeader::kSize, data.data(), length);
  return image;
}

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

int FuzzReceive(const std::uint8_t* data, std::size_t size) {
  const bool simulated = size > 0 && data[0] >= 0x80;
  CQuelmarDoc doc;
  testkit::RecordingObserver observer;
  SimReceiver sim(SimRole::Serve);
  JRxThread rx;
  auto port = std::make_unique<MemoryPort>();
  if (simulated) sim.SetImage(ServedImage(data[0] & 7));
  const auto far = simulated ? std::make_unique<testkit::FarEnd>(
                                   *port, sim, testkit::FaultScript::Decode(data + 1, size - 1), nullptr, kGraceMs)
                             : std::make_unique<testkit::FarEnd>(*port, std::vector(data, data + size), kGraceMs);
  if (rx.Start(observer, std::move(port)) != 1) FuzzFail("receive engine did not start");
  if (rx.BeginReceive() != 1) FuzzFail("receive did not begin");
  const bool ended = testkit::WaitUntil([&] { return rx.IsIdle() || far->Expired(); }, std::chrono::seconds(60),
                                        std::chrono::microseconds(50));
  const bool idle = rx.IsIdle();
  rx.Stop();
  if (!ended) FuzzFail("receive engine livelocked");
  if (!idle) FuzzFail("receive engine outlived its retry limit");

  const bool lineLost = StartsWith(observer.Status(), LinkTexts::kLineLost);
  SetLastFuzzEnding({rx.Completed(), !rx.Completed(), lineLost});
  if (lineLost && (rx.Completed() || !far->HungUp())) FuzzFail("line lost on a line still there");
  if (rx.Completed()) {
    const auto* image = rx.ImageBuffer();
    if (image == nullptr) FuzzFail("completed receive without an image");
    const LinkHeader header(image);
    if (!header.MagicValid() || !header.HeaderSumValid()) FuzzFail("completed receive with a refused header");
    if (header.DataLength() != rx.DataLength() || rx.DataLength() > JRxThread::kMaxDataLength)
      FuzzFail("completed receive with a data length it should refuse");
    if (rx.ImageSize() != std::size_t{rx.DataLength()} + LinkHeader::kSize) FuzzFail("image size");
    bool ok = false;
    for (const auto& m : observer.Messages()) ok = ok || m == LinkTexts::kDownloadOk;
    if (!ok || !observer.OkEnabled()) FuzzFail("completed receive not reported");
    // A whole image goes to the document as the window would hand it over.
    if (rx.ImageSize() == DatabaseImage::kImageSize && header.ValidFlag() == 1) {
      doc.LoadImage(image);
      std::unique_ptr<std::uint8_t[]> out(new std::uint8_t[DatabaseImage::kImageSize]);
      if (doc.BuildImage(out.get()) != DatabaseImage::kImageSize) FuzzFail("received image does not build");
    }
  } else if (observer.OkEnabled()) {
    FuzzFail("OK enabled after a failed receive");
  }
  return 0;
}

#ifdef QUELMAR_LIBFUZZER
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return FuzzReceive(data, size);
}
#endif
