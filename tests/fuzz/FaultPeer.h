#pragma once
// The far end of a MemoryPort as a simulated receiver that plays its part of the exchange
// correctly, except where a list of actions says otherwise. Each action names a position
// and what goes wrong there, so a short input reaches the end of a whole transfer (even
// of a full database image) and a fault can sit at any packet of it.
//
// Actions, 4 bytes each: op, position (2 bytes, most significant first), argument.
// Positions count the units the simulator puts on the line (codes, headers, packets) or,
// for the ops on the engine's side, the engine's writes, from 0. Several actions may name
// the same position; they apply in input order.
#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

#include "link/LinkCodes.h"
#include "sim/MemoryPort.h"
#include "sim/SimReceiver.h"

class FaultPeer : public MemoryPort::Peer {
 public:
  enum Op : std::uint8_t {
    // On a unit the simulator sends:
    DropUnit,         // it never arrives
    DamageUnit,       // one bit flipped, where the argument says
    CutUnit,          // only its first (argument) bytes arrive
    LateUnit,         // it arrives (argument + 1) x 10 ms late
    RepeatUnit,       // it arrives twice
    JunkBefore,       // the argument arrives as a byte before it
    ReplaceWithCode,  // a link code (picked by the argument) arrives instead
    FallSilent,       // from this unit on, the simulator says nothing more
    HangUp,           // the line goes away right after this unit
    // On a write of the engine:
    DropWrite,    // the simulator never hears it
    DamageWrite,  // one bit flipped on its way
    kOpCount,
  };
  struct Action {
    std::uint8_t op;
    std::uint16_t position;
    std::uint8_t argument;
  };
  static constexpr std::size_t kActionSize = 4;
  // A receiver knocked out of step can answer every byte at once for ever (it takes a
  // payload byte for a code, the engine answers that, and round it goes) without time
  // passing; a real one gives up at some point. After this many units the simulator
  // falls silent, enough for a whole database with every packet refused a few times.
  static constexpr std::size_t kUnitBudget = 8192;

  // After the simulator last put a byte on the line, the peer lets `graceMs` of virtual time pass
  // before it reports Expired(), long enough for every retry limit of the engines.
  FaultPeer(MemoryPort& port, SimReceiver& sim, const std::uint8_t* actions, std::size_t size,
            std::uint64_t graceMs)
      : port_(port), sim_(sim), graceMs_(graceMs) {
    for (std::size_t i = 0; i + kActionSize <= size; i += kActionSize) {
      const Action a{static_cast<std::uint8_t>(actions[i] % kOpCount),
                     static_cast<std::uint16_t>(actions[i + 1] << 8 | actions[i + 2]), actions[i + 3]};
      (a.op >= DropWrite ? onWrite_ : onUnit_)[a.position].push_back(a);
    }
    sim_.SetOutput([this](const std::uint8_t* data, std::size_t count) { Unit(data, count); });
    port_.SetPeer(this);
  }
  ~FaultPeer() override {
    port_.SetPeer(nullptr);
    sim_.SetOutput({});
  }
  FaultPeer(const FaultPeer&) = delete;
  FaultPeer& operator=(const FaultPeer&) = delete;

  void OnWrite(MemoryPort& port) override {
    std::vector<std::uint8_t> bytes = port.TakeWritten();
    writes_.push_back(bytes);
    now_ = port.NowMs();
    bool drop = false;
    if (auto it = onWrite_.find(Position(writeIndex_++)); it != onWrite_.end()) {
      for (const Action& a : it->second) {
        if (a.op == DropWrite) drop = true;
        if (a.op == DamageWrite) Flip(bytes, a.argument);
      }
    }
    if (!drop && !silent_) sim_.OnReceived(bytes.data(), bytes.size(), now_);
  }

  void OnWait(MemoryPort& port, std::uint64_t deadlineMs) override {
    if (deadlineMs > lastMoveMs_ + graceMs_) expired_.store(true, std::memory_order_release);
    // The simulator's timers that fall inside this wait, until it has said something.
    for (int guard = 0; guard < 1000; ++guard) {
      const std::uint64_t due = sim_.NextDeadlineMs();
      if (due > deadlineMs) return;
      now_ = std::max(due, port.NowMs());
      const std::size_t before = port.PendingForEngine();
      sim_.OnTime(now_);
      if (port.PendingForEngine() > before) return;
    }
  }

  // Any thread.
  bool Expired() const { return expired_.load(std::memory_order_acquire); }
  bool HungUp() const { return hungUp_.load(std::memory_order_acquire); }
  // Worker thread, or after the engine has stopped.
  const std::vector<std::vector<std::uint8_t>>& Writes() const { return writes_; }

  static std::vector<std::uint8_t> Encode(const std::vector<Action>& actions) {
    std::vector<std::uint8_t> out;
    for (const Action& a : actions) {
      out.push_back(a.op);
      out.push_back(static_cast<std::uint8_t>(a.position >> 8));
      out.push_back(static_cast<std::uint8_t>(a.position & 0xFF));
      out.push_back(a.argument);
    }
    return out;
  }

 private:
  static constexpr std::uint32_t kNoPosition = 0x10000;
  // Counts past the last position an action can name match none.
  static std::uint32_t Position(std::size_t index) {
    return index < kNoPosition ? static_cast<std::uint32_t>(index) : kNoPosition;
  }
  static void Flip(std::vector<std::uint8_t>& bytes, std::uint8_t argument) {
    if (bytes.empty()) return;
    bytes[argument * bytes.size() / 256] ^= static_cast<std::uint8_t>(1u << (argument & 7));
  }

  // A unit the simulator puts on the line, on its way to the engine.
  void Unit(const std::uint8_t* data, std::size_t count) {
    std::vector<std::uint8_t> bytes(data, data + count);
    std::uint64_t at = now_;
    int copies = 1;
    bool hangUp = false;
    if (unitIndex_ >= kUnitBudget) silent_ = true;
    if (auto it = onUnit_.find(Position(unitIndex_++)); it != onUnit_.end()) {
      for (const Action& a : it->second) {
        switch (a.op) {
          case DropUnit: copies = 0; break;
          case DamageUnit: Flip(bytes, a.argument); break;
          case CutUnit: bytes.resize(std::min<std::size_t>(bytes.size(), a.argument)); break;
          case LateUnit: at += (a.argument + 1u) * 10u; break;
          case RepeatUnit: copies = 2; break;
          case JunkBefore: port_.FeedAt(at, &a.argument, 1); break;
          case ReplaceWithCode: {
            static constexpr std::uint8_t kCodes[] = {
                LinkCode::CONNECT_REQ,    LinkCode::CONNECT_ACK,   LinkCode::HEADER_REQ,
                LinkCode::HEADER_ACK,     LinkCode::HEADER_NACK,   LinkCode::HEADER_RCV_ACK,
                LinkCode::DATA_REQ,       LinkCode::DATA_ACK,      LinkCode::DATA_NACK,
                LinkCode::DATA_RCV_ACK,   LinkCode::TERMINATE_REQ, LinkCode::FAIL_TERMINATE_REQ,
                LinkCode::TERMINATE_ACK,  LinkCode::CONNECT_RE_ACK};
            bytes.assign(1, kCodes[a.argument % std::size(kCodes)]);
            break;
          }
          case FallSilent: silent_ = true; break;
          case HangUp: hangUp = true; break;
          default: break;
        }
      }
    }
    if (silent_ || HungUp()) return;
    for (int i = 0; i < copies; ++i) port_.FeedAt(at, bytes.data(), bytes.size());
    lastMoveMs_ = std::max(lastMoveMs_, at);
    if (hangUp) {
      // What has arrived by now stays readable; a late copy is lost with the line.
      port_.HangUp();
      hungUp_.store(true, std::memory_order_release);
    }
  }

  MemoryPort& port_;
  SimReceiver& sim_;
  std::uint64_t graceMs_;
  std::map<std::uint32_t, std::vector<Action>> onUnit_;
  std::map<std::uint32_t, std::vector<Action>> onWrite_;
  std::size_t unitIndex_ = 0;
  std::size_t writeIndex_ = 0;
  std::uint64_t now_ = 0;
  std::uint64_t lastMoveMs_ = 0;
  bool silent_ = false;
  std::atomic<bool> expired_{false};
  std::atomic<bool> hungUp_{false};
  std::vector<std::vector<std::uint8_t>> writes_;
};
