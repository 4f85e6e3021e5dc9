#pragma once
// The PC's side of the transfer exchange written plainly and apart from the engines, as
// the reference the simulated receiver is tested against (the engines are tested
// against the simulator, so neither proves itself). It answers strictly in protocol
// order and gives up after a run of empty waits.
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "link/DataPacket.h"
#include "link/LinkCodes.h"
#include "link/LinkHeader.h"
#include "link/Transport.h"

namespace testkit {

struct ReferencePc {
  enum class Result { Done, NoAnswer, Refused, EndedEarly, BadHeaderSum };

  explicit ReferencePc(Transport& p) : port(p) {}
  Transport& port;
  int patience = 100;  // empty ReadByte waits in a row before giving up
  std::vector<std::uint8_t> unexpected;

  // Next byte that is one of `wanted`; other bytes are set aside.
  bool Expect(std::initializer_list<std::uint8_t> wanted, std::uint8_t& got) {
    for (int misses = 0; misses < patience;) {
      std::uint8_t b = 0;
      if (!port.ReadByte(b)) {
        ++misses;
        continue;
      }
      for (std::uint8_t w : wanted)
        if (b == w) {
          got = b;
          return true;
        }
      unexpected.push_back(b);
    }
    return false;
  }
  bool Expect(std::uint8_t wanted) {
    std::uint8_t got = 0;
    return Expect({wanted}, got);
  }
  void Send(std::uint8_t code) { port.WriteByte(code); }

  bool ReadBlock(std::uint8_t* out, std::size_t size) {
    for (std::size_t i = 0; i < size;) {
      int misses = 0;
      while (!port.ReadByte(out[i]))
        if (++misses >= patience) return false;
      ++i;
    }
    return true;
  }

  // The PC as receiving side: collects header + data into `image`.
  Result Receive(std::vector<std::uint8_t>& image, int* headerNacks = nullptr,
                 int* packetNacks = nullptr) {
    using namespace LinkCode;
    if (!Expect(CONNECT_REQ)) return Result::NoAnswer;
    Send(CONNECT_ACK);
    if (!Expect(CONNECT_RE_ACK)) return Result::NoAnswer;
    LinkHeader h;
    for (;;) {
      Send(HEADER_REQ);
      if (!ReadBlock(h.Bytes(), LinkHeader::kSize)) return Result::NoAnswer;
      if (h.MagicValid()) break;
      if (headerNacks) ++*headerNacks;
      Send(HEADER_NACK);
      if (!Expect(HEADER_RCV_ACK)) return Result::NoAnswer;
    }
    if (!h.HeaderSumValid()) return Result::BadHeaderSum;
    Send(HEADER_ACK);
    if (!Expect(HEADER_RCV_ACK)) return Result::NoAnswer;
    const std::uint32_t n = h.DataLength();
    image.assign(LinkHeader::kSize + n, 0);
    std::memcpy(image.data(), h.Bytes(), LinkHeader::kSize);
    for (std::uint32_t i = 0; i <= DataPacket::LastIndex(n);) {
      Send(DATA_REQ);
      DataPacket p;
      if (!ReadBlock(p.Bytes(), DataPacket::kSize)) return Result::NoAnswer;
      const bool ok = p.Verify() == DataPacket::Check::Ok;
      if (ok) {
        std::memcpy(image.data() + LinkHeader::kSize + DataPacket::DataOffset(i), p.Payload(),
                    DataPacket::PayloadLength(n, i));
      } else if (packetNacks) {
        ++*packetNacks;
      }
      Send(ok ? DATA_ACK : DATA_NACK);
      std::uint8_t got = 0;
      if (!Expect({DATA_RCV_ACK, TERMINATE_ACK}, got)) return Result::NoAnswer;
      if (got == TERMINATE_ACK) return Result::EndedEarly;
      if (ok) ++i;
    }
    Send(TERMINATE_REQ);
    return Expect(TERMINATE_ACK) ? Result::Done : Result::NoAnswer;
  }

  // The PC as sending side: answers whatever the receiver asks for.
  Result SendImage(const LinkHeader& header, const std::vector<std::uint8_t>& data) {
    using namespace LinkCode;
    const auto n = static_cast<std::uint32_t>(data.size());
    std::uint8_t got = 0;
    for (int tries = 0;; ++tries) {
      if (tries == patience) return Result::NoAnswer;
      Send(CONNECT_REQ);
      std::uint8_t b = 0;
      if (port.ReadByte(b) && b == CONNECT_ACK) break;
    }
    Send(CONNECT_RE_ACK);
    std::uint32_t next = 0;
    bool lastSent = false;
    for (;;) {
      if (!Expect({HEADER_REQ, HEADER_ACK, HEADER_NACK, DATA_REQ, DATA_ACK, DATA_NACK,
                   TERMINATE_REQ, FAIL_TERMINATE_REQ},
                  got))
        return Result::NoAnswer;
      switch (got) {
        case HEADER_REQ: port.Write(header.Bytes(), LinkHeader::kSize); break;
        case HEADER_ACK: case HEADER_NACK: Send(HEADER_RCV_ACK); break;
        case DATA_REQ: {
          const DataPacket p = DataPacket::Build(data.data(), n, next);
          port.Write(p.Bytes(), DataPacket::kSize);
          break;
        }
        case DATA_ACK:
          lastSent = next == DataPacket::LastIndex(n);
          if (!lastSent) ++next;
          Send(DATA_RCV_ACK);
          break;
        case DATA_NACK: Send(DATA_RCV_ACK); break;
        case TERMINATE_REQ: Send(TERMINATE_ACK); return lastSent ? Result::Done : Result::EndedEarly;
        case FAIL_TERMINATE_REQ: Send(TERMINATE_ACK); return Result::Refused;
      }
    }
  }
};

}  // namespace testkit
