// The receive engine against a receiver that says whatever the input says. Whatever
// arrives, the engine must end (by completing, failing or its retry limit) within the
// virtual time its limits allow, touch no memory it does not own, and never call a
// receive complete unless the image it holds is headed by an accepted header.
#include <chrono>
#include <cstring>
#include <memory>

#include "db/CQuelmarDoc.h"
#include "db/DatabaseImage.h"
#include "fuzz/FuzzTargets.h"
#include "fuzz/QuietObserver.h"
#include "fuzz/ScriptPeer.h"
#include "link/JRxThread.h"
#include "link/LinkHeader.h"
#include "link/LinkTexts.h"
#include "sim/MemoryPort.h"
#include "support/Wait.h"

namespace {
// Longer than the slowest way the engine can give up once the line falls silent: a
// packet's 1024 byte waits, then 1001 failed waits.
constexpr std::uint64_t kGraceMs = 200'000;
}  // namespace

int FuzzReceive(const std::uint8_t* data, std::size_t size) {
  CQuelmarDoc doc;
  ScriptPeer peer(data, size, kGraceMs);
  QuietObserver observer;
  auto port = std::make_unique<MemoryPort>();
  port->SetPeer(&peer);
  JRxThread rx;
  if (rx.Start(observer, std::move(port), doc) != 1) FuzzFail("receive engine did not start");
  if (rx.BeginReceive() != 1) FuzzFail("receive did not begin");
  const bool ended = testkit::WaitUntil([&] { return rx.IsIdle() || peer.Expired(); },
                                        std::chrono::seconds(60), std::chrono::microseconds(50));
  const bool idle = rx.IsIdle();
  rx.Stop();
  if (!ended) FuzzFail("receive engine livelocked");
  if (!idle) FuzzFail("receive engine outlived its retry limit");

  SetLastFuzzEnding({rx.Completed(), !rx.Completed()});
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
