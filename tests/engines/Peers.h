#pragma once
// The receiver's half of the exchange, run synchronously inside a MemoryPort, for the
// engines' in-memory tests. SendingPeer serves an image to JRxThread; TakingPeer takes
// one from JTxThread. Each can be told to misbehave in the ways a line or a receiver does.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <thread>
#include <vector>

#include "link/DataPacket.h"
#include "link/LinkCodes.h"
#include "link/LinkHeader.h"
#include "sim/MemoryPort.h"

struct SendFaults {
  int badMagicHeaders = 0;    // this many headers first go out with a wrong magic
  bool badHeaderSum = false;  // the header's sum is off by one
  int badSumPacket = -1;      // this packet's first copy has a broken checksum
  int badStartPacket = -1;    // this packet's first copy starts with 0x48
  int terminateAfter = -1;    // after DATA_ACK of this packet: TERMINATE_ACK, not DATA_RCV_ACK
  bool silent = false;        // never says anything
  int slowFrom = -1;          // from this packet on, each takes 5 ms of real time (see TakeFaults)
};

// Serves `header` and `data` like a receiver asked for its database.
class SendingPeer : public MemoryPort::Peer {
 public:
  using Faults = SendFaults;


  SendingPeer(const LinkHeader& header, std::vector<std::uint8_t> data, Faults faults = Faults())
      : header_(header), data_(std::move(data)), faults_(faults) {}

  void OnWait(MemoryPort& port, std::uint64_t) override {
    if (faults_.silent || connectSent_) return;
    connectSent_ = true;
    port.Feed({LinkCode::CONNECT_REQ});
  }

  void OnWrite(MemoryPort& port) override {
    for (std::uint8_t code : port.TakeWritten()) Answer(port, code);
  }

  int headersSent = 0;
  int packetsSent = 0;
  int dataNacks = 0;
  std::vector<int> requested;  // packet index of every DATA_REQ, in order

 private:
  void Answer(MemoryPort& port, std::uint8_t code) {
    using namespace LinkCode;
    if (faults_.silent) return;
    switch (code) {
      case CONNECT_ACK: port.Feed({CONNECT_RE_ACK}); break;
      case HEADER_REQ: {
        LinkHeader h = header_;
        if (headersSent < faults_.badMagicHeaders) {
          h.SetMagic(0x04212511);
          h.UpdateHeaderSum();
        }
        if (faults_.badHeaderSum) h.SetHeaderSum(h.HeaderSum() + 1);
        ++headersSent;
        port.Feed(h.Bytes(), LinkHeader::kSize);
        break;
      }
      case HEADER_ACK:
      case HEADER_NACK: port.Feed({HEADER_RCV_ACK}); break;
      case DATA_REQ: {
        requested.push_back(next_);
        DataPacket p = DataPacket::Build(data_.data(), static_cast<std::uint32_t>(data_.size()),
                                         static_cast<std::uint32_t>(next_));
        if (next_ == faults_.badSumPacket && !spoiled_) {
          spoiled_ = true;
          p.Bytes()[DataPacket::kSumOffset + 1] ^= 0x01;
        }
        if (next_ == faults_.badStartPacket && !spoiled_) {
          spoiled_ = true;
          p.Bytes()[0] = 0x48;
        }
        ++packetsSent;
        if (faults_.slowFrom >= 0 && next_ >= faults_.slowFrom)
          std::this_thread::sleep_for(std::chrono::milliseconds(5));
        port.Feed(p.Bytes(), DataPacket::kSize);
        break;
      }
      case DATA_ACK:
        if (next_ == faults_.terminateAfter) {
          port.Feed({TERMINATE_ACK});
        } else {
          ++next_;
          port.Feed({DATA_RCV_ACK});
        }
        break;
      case DATA_NACK:
        ++dataNacks;
        port.Feed({DATA_RCV_ACK});
        break;
      case TERMINATE_REQ: port.Feed({TERMINATE_ACK}); break;
      default: break;
    }
  }

  LinkHeader header_;
  std::vector<std::uint8_t> data_;
  Faults faults_;
  bool connectSent_ = false;
  bool spoiled_ = false;
  int next_ = 0;
};

struct TakeFaults {
  int nackHeaders = 0;        // reject this many good headers first
  int nackPacket = -1;        // reject the first copy of this packet
  int failInsteadOfAck = -1;  // answer this packet with FAIL_TERMINATE_REQ
  bool silent = false;        // never answers
  bool silentAfterConnect = false;  // answers the connect request, then nothing
  std::uint8_t strayAfterConnect = 0;  // a byte outside the code table, sent once
  int strayNackAfter = -1;    // a DATA_NACK nobody asked for once this packet is settled
  int slowFrom = -1;          // from this packet on, each takes 5 ms of real time, so a test
                              // can act mid-transfer before the virtual-time line finishes
};

// Takes an image like a receiver being sent a database, checking as a receiver does.
class TakingPeer : public MemoryPort::Peer {
 public:
  using Faults = TakeFaults;


  explicit TakingPeer(Faults faults = Faults()) : faults_(faults) {}

  void OnWait(MemoryPort&, std::uint64_t) override {}

  void OnWrite(MemoryPort& port) override {
    for (std::uint8_t b : port.TakeWritten()) Take(port, b);
  }

  std::vector<std::uint8_t> data;          // what was accepted, in order
  std::vector<std::vector<std::uint8_t>> headers;  // every header as it came
  std::vector<std::vector<std::uint8_t>> packets;  // every packet as it came
  bool terminated = false;
  // Polled by the test thread while the engine's worker runs the peer.
  std::atomic<int> connectRequests{0};
  std::atomic<int> packetsTaken{0};

 private:
  enum class Phase { Connect, ReAck, Header, HeaderRcvAck, HeaderRcvNack, Packet, DataRcvAck,
                     DataRcvNack, Terminate, Done };

  void Take(MemoryPort& port, std::uint8_t b) {
    using namespace LinkCode;
    if (b == CONNECT_REQ && (phase_ == Phase::Connect || phase_ == Phase::ReAck)) ++connectRequests;
    if (faults_.silent) return;
    switch (phase_) {
      case Phase::Connect:
        if (b == CONNECT_REQ) {
          port.Feed({CONNECT_ACK});
          phase_ = Phase::ReAck;
        }
        break;
      case Phase::ReAck:
        if (b == CONNECT_RE_ACK) {
          if (faults_.silentAfterConnect) {
            phase_ = Phase::Done;
            break;
          }
          if (faults_.strayAfterConnect != 0) port.Feed({faults_.strayAfterConnect});
          port.Feed({HEADER_REQ});
          phase_ = Phase::Header;
        }
        break;
      case Phase::Header:
        unit_.push_back(b);
        if (unit_.size() == LinkHeader::kSize) {
          headers.push_back(unit_);
          LinkHeader h(unit_.data());
          unit_.clear();
          if (!h.MagicValid() || !h.HeaderSumValid() || nackedHeaders_ < faults_.nackHeaders) {
            ++nackedHeaders_;
            port.Feed({HEADER_NACK});
            phase_ = Phase::HeaderRcvNack;
          } else {
            dataLength_ = h.DataLength();
            port.Feed({HEADER_ACK});
            phase_ = Phase::HeaderRcvAck;
          }
        }
        break;
      case Phase::HeaderRcvAck:
        if (b == HEADER_RCV_ACK) Request(port);
        break;
      case Phase::HeaderRcvNack:
        if (b == HEADER_RCV_ACK) {
          port.Feed({HEADER_REQ});
          phase_ = Phase::Header;
        }
        break;
      case Phase::Packet:
        unit_.push_back(b);
        if (unit_.size() == DataPacket::kSize) {
          packets.push_back(unit_);
          ++packetsTaken;
          if (faults_.slowFrom >= 0 && index_ >= faults_.slowFrom)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
          DataPacket p(unit_.data());
          unit_.clear();
          if (index_ == faults_.failInsteadOfAck) {
            port.Feed({FAIL_TERMINATE_REQ});
            phase_ = Phase::Terminate;
          } else if (p.Verify() != DataPacket::Check::Ok || (index_ == faults_.nackPacket && !nacked_)) {
            nacked_ = nacked_ || index_ == faults_.nackPacket;
            port.Feed({DATA_NACK});
            phase_ = Phase::DataRcvNack;
          } else {
            const std::size_t n = DataPacket::PayloadLength(dataLength_, static_cast<std::uint32_t>(index_));
            data.insert(data.end(), p.Payload(), p.Payload() + n);
            port.Feed({DATA_ACK});
            phase_ = Phase::DataRcvAck;
          }
        }
        break;
      case Phase::DataRcvAck:
        if (b == DATA_RCV_ACK) {
          if (index_ == faults_.strayNackAfter && !strayNackSent_) {
            // Refuses again what it already took; the PC's answer is swallowed below.
            strayNackSent_ = true;
            port.Feed({DATA_NACK});
            break;
          }
          ++index_;
          if (static_cast<std::uint32_t>(index_) > DataPacket::LastIndex(dataLength_)) {
            port.Feed({TERMINATE_REQ});
            phase_ = Phase::Terminate;
          } else {
            Request(port);
          }
        }
        break;
      case Phase::DataRcvNack:
        if (b == DATA_RCV_ACK) Request(port);
        break;
      case Phase::Terminate:
        if (b == TERMINATE_ACK) {
          terminated = true;
          phase_ = Phase::Done;
        }
        break;
      case Phase::Done: break;
    }
  }

  void Request(MemoryPort& port) {
    port.Feed({LinkCode::DATA_REQ});
    phase_ = Phase::Packet;
  }

  Faults faults_;
  Phase phase_ = Phase::Connect;
  std::vector<std::uint8_t> unit_;
  int nackedHeaders_ = 0;
  bool nacked_ = false;
  bool strayNackSent_ = false;
  int index_ = 0;
  std::uint32_t dataLength_ = 0;
};
