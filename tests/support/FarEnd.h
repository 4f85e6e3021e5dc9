#pragma once
// The far end of an engine's in-memory line (MemoryPort), run on the engine's own thread
// in the line's virtual time. Either the simulated receiver plays its part (SimReceiver,
// with whatever faults of its own it was given), or a plain script says what arrives, for
// a receiver that may say anything at all. A fault script spoils chosen units on the
// line, a filter may look at or change every unit, and every write of the engine is kept.
//
// Script: a sequence of chunks, one per wait of the engine, each introduced by one
// control byte c:
//   c < 0x80    a chunk of (c & 0x3F) bytes
//   c >= 0x80   a chunk of ((c & 0x3F) << 8 | next byte) bytes
//   bit 0x40    the chunk arrives just after that wait has given up
// A chunk of length 0 is silence for one wait; a length running past the end is cut.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iterator>
#include <limits>
#include <map>
#include <thread>
#include <vector>

#include "link/DataPacket.h"
#include "link/LinkCodes.h"
#include "sim/MemoryPort.h"
#include "sim/SimReceiver.h"

namespace testkit {

// What goes wrong on the line, each action at one position: the units the simulator puts
// on the line (codes, headers, packets) or, for the ops on the engine's side, the
// engine's writes, counted from 0. Several actions may name the same position; they
// apply in order.
struct FaultScript {
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
  // A receiver knocked out of step can answer every byte at once for ever (it takes a
  // payload byte for a code, the engine answers that, and round it goes) without time
  // passing; a real one gives up at some point. Fuzzing gives it this many units, enough
  // for a whole database with every packet refused a few times.
  static constexpr std::size_t kFuzzUnitBudget = 8192;

  std::vector<Action> actions;
  // After this many units the simulator falls silent.
  std::size_t unitBudget = std::numeric_limits<std::size_t>::max();

  // As a fuzz input holds it: 4 bytes an action (op, position most significant byte
  // first, argument), with the fuzzing budget.
  static FaultScript Decode(const std::uint8_t* bytes, std::size_t size) {
    FaultScript s;
    s.unitBudget = kFuzzUnitBudget;
    for (std::size_t i = 0; i + 4 <= size; i += 4)
      s.actions.push_back({static_cast<std::uint8_t>(bytes[i] % kOpCount),
                           static_cast<std::uint16_t>(bytes[i + 1] << 8 | bytes[i + 2]), bytes[i + 3]});
    return s;
  }
  static std::vector<std::uint8_t> Encode(const std::vector<Action>& actions) {
    std::vector<std::uint8_t> out;
    for (const Action& a : actions)
      out.insert(out.end(), {a.op, static_cast<std::uint8_t>(a.position >> 8),
                             static_cast<std::uint8_t>(a.position & 0xFF), a.argument});
    return out;
  }
};

class FarEnd : public MemoryPort::Peer {
 public:
  using Bytes = std::vector<std::uint8_t>;
  // Sees every unit (a code, a header, a packet, a run of junk) on its way across, from
  // the engine (`fromEngine`) or from the far end, after the fault script; may change it,
  // and a unit left empty is lost.
  using Filter = std::function<void(Bytes& unit, bool fromEngine)>;
  // Once the far end last put a byte on the line (a script: once it ran out), this much
  // virtual time passes before Expired(): longer than any retry limit of the engines.
  static constexpr std::uint64_t kGraceMs = 200'000;

  // The simulator at the far end, started at once.
  FarEnd(MemoryPort& port, SimReceiver& sim, FaultScript faults = {}, Filter filter = {},
         std::uint64_t graceMs = kGraceMs)
      : port_(port), sim_(&sim), filter_(std::move(filter)), graceMs_(graceMs), budget_(faults.unitBudget) {
    for (const auto& a : faults.actions) (a.op >= FaultScript::DropWrite ? onWrite_ : onUnit_)[a.position].push_back(a);
    now_ = port_.NowMs();
    sim_->SetOutput([this](const std::uint8_t* data, std::size_t count) { Unit(Bytes(data, data + count)); });
    port_.SetPeer(this);
    sim_->Start(now_);
  }
  // A script at the far end.
  FarEnd(MemoryPort& port, Bytes script, std::uint64_t graceMs = kGraceMs)
      : port_(port), graceMs_(graceMs), script_(std::move(script)) {
    port_.SetPeer(this);
  }
  ~FarEnd() override {
    port_.SetPeer(nullptr);
    if (sim_ != nullptr) sim_->SetOutput({});
  }
  FarEnd(const FarEnd&) = delete;
  FarEnd& operator=(const FarEnd&) = delete;

  // The script that delivers `units` one per wait, none late.
  static Bytes Script(const std::vector<Bytes>& units) {
    Bytes script;
    for (const auto& u : units) {
      if (u.size() < 0x40) {
        script.push_back(static_cast<std::uint8_t>(u.size()));
      } else {
        script.push_back(static_cast<std::uint8_t>(0x80 | ((u.size() >> 8) & 0x3F)));
        script.push_back(static_cast<std::uint8_t>(u.size() & 0xFF));
      }
      script.insert(script.end(), u.begin(), u.end());
    }
    return script;
  }

  void OnWrite(MemoryPort& port) override {
    Bytes bytes = port.TakeWritten();
    writes_.push_back(bytes);
    if (sim_ == nullptr) return;
    now_ = port.NowMs();
    if (auto it = onWrite_.find(Position(writeIndex_++)); it != onWrite_.end()) {
      for (const auto& a : it->second) {
        if (a.op == FaultScript::DropWrite) bytes.clear();
        if (a.op == FaultScript::DamageWrite) Flip(bytes, a.argument);
      }
    }
    Pass(bytes, true);
    if (!bytes.empty() && !silent_) sim_->OnReceived(bytes.data(), bytes.size(), now_);
  }

  void OnWait(MemoryPort& port, std::uint64_t deadlineMs) override {
    if (sim_ == nullptr) return PlayScript(port, deadlineMs);
    if (deadlineMs > lastMoveMs_ + graceMs_) expired_.store(true, std::memory_order_release);
    // The simulator's timers that fall inside this wait, until it has said something.
    for (int guard = 0; guard < 1000; ++guard) {
      const std::uint64_t due = sim_->NextDeadlineMs();
      if (due > deadlineMs) return;
      now_ = std::max(due, port.NowMs());
      const std::size_t before = port.PendingForEngine();
      sim_->OnTime(now_);
      if (port.PendingForEngine() > before) return;
    }
  }

  // Real time on the virtual-time line. Every packet crosses it at once, so on a fast
  // machine a whole image is through before a test can act; once `packets` packets have
  // crossed, each further one takes 5 ms, and a test can stop the engine mid-transfer.
  // Any thread.
  void SlowFrom(int packets) { slowFrom_.store(packets); }

  // Any thread.
  bool Expired() const { return expired_.load(std::memory_order_acquire); }
  bool HungUp() const { return hungUp_.load(std::memory_order_acquire); }
  // Worker thread, or after the engine has stopped: what the engine wrote, write by write.
  const std::vector<Bytes>& Writes() const { return writes_; }
  // The writes of one size (a header's, a packet's), in order.
  std::vector<Bytes> Writes(std::size_t size) const {
    std::vector<Bytes> out;
    std::copy_if(writes_.begin(), writes_.end(), std::back_inserter(out), [&](const Bytes& w) { return w.size() == size; });
    return out;
  }

 private:
  static constexpr std::uint32_t kNoPosition = 0x10000;
  // Counts past the last position an action can name match none.
  static std::uint32_t Position(std::size_t index) {
    return index < kNoPosition ? static_cast<std::uint32_t>(index) : kNoPosition;
  }
  static void Flip(Bytes& bytes, std::uint8_t argument) {
    if (bytes.empty()) return;
    bytes[argument * bytes.size() / 256] ^= static_cast<std::uint8_t>(1u << (argument & 7));
  }

  // A unit of the exchange on its way across, either way; runs on the engine's thread.
  void Pass(Bytes& unit, bool fromEngine) {
    if (unit.size() == DataPacket::kSize) {
      const int crossed = packetsCrossed_++;
      const int slowFrom = slowFrom_.load();
      if (slowFrom >= 0 && crossed >= slowFrom) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (filter_ && !unit.empty()) filter_(unit, fromEngine);
  }

  void PlayScript(MemoryPort& port, std::uint64_t deadlineMs) {
    const std::size_t size = script_.size();
    if (pos_ >= size) {
      if (!exhausted_) {
        exhausted_ = true;
        lastMoveMs_ = port.NowMs();
      }
      if (deadlineMs > lastMoveMs_ + graceMs_) expired_.store(true, std::memory_order_release);
      return;
    }
    const std::uint8_t c = script_[pos_++];
    std::size_t length = c & 0x3F;
    if ((c & 0x80) != 0) length = pos_ < size ? (length << 8) | script_[pos_++] : 0;
    length = std::min(length, size - pos_);
    if (length > 0) port.FeedAt((c & 0x40) != 0 ? deadlineMs + 1 : port.NowMs(), script_.data() + pos_, length);
    pos_ += length;
  }

  // A unit the simulator puts on the line, on its way to the engine.
  void Unit(Bytes bytes) {
    std::uint64_t at = now_;
    int copies = 1;
    bool hangUp = false;
    if (unitIndex_ >= budget_) silent_ = true;
    if (auto it = onUnit_.find(Position(unitIndex_++)); it != onUnit_.end()) {
      for (const auto& a : it->second) {
        switch (a.op) {
          case FaultScript::DropUnit: copies = 0; break;
          case FaultScript::DamageUnit: Flip(bytes, a.argument); break;
          case FaultScript::CutUnit: bytes.resize(std::min<std::size_t>(bytes.size(), a.argument)); break;
          case FaultScript::LateUnit: at += (a.argument + 1u) * 10u; break;
          case FaultScript::RepeatUnit: copies = 2; break;
          case FaultScript::JunkBefore: port_.FeedAt(at, &a.argument, 1); break;
          case FaultScript::ReplaceWithCode: {
            static constexpr std::uint8_t kCodes[] = {
                LinkCode::CONNECT_REQ,    LinkCode::CONNECT_ACK,   LinkCode::HEADER_REQ,
                LinkCode::HEADER_ACK,     LinkCode::HEADER_NACK,   LinkCode::HEADER_RCV_ACK,
                LinkCode::DATA_REQ,       LinkCode::DATA_ACK,      LinkCode::DATA_NACK,
                LinkCode::DATA_RCV_ACK,   LinkCode::TERMINATE_REQ, LinkCode::FAIL_TERMINATE_REQ,
                LinkCode::TERMINATE_ACK,  LinkCode::CONNECT_RE_ACK};
            bytes.assign(1, kCodes[a.argument % std::size(kCodes)]);
            break;
          }
          case FaultScript::FallSilent: silent_ = true; break;
          case FaultScript::HangUp: hangUp = true; break;
          default: break;
        }
      }
    }
    if (silent_ || HungUp()) return;
    Pass(bytes, false);
    if (!bytes.empty())
      for (int i = 0; i < copies; ++i) port_.FeedAt(at, bytes.data(), bytes.size());
    lastMoveMs_ = std::max(lastMoveMs_, at);
    if (hangUp) {
      // What has arrived by now stays readable; a late copy is lost with the line.
      port_.HangUp();
      hungUp_.store(true, std::memory_order_release);
    }
  }

  MemoryPort& port_;
  SimReceiver* sim_ = nullptr;
  Filter filter_;
  std::uint64_t graceMs_;
  std::size_t budget_ = std::numeric_limits<std::size_t>::max();
  std::map<std::uint32_t, std::vector<FaultScript::Action>> onUnit_;
  std::map<std::uint32_t, std::vector<FaultScript::Action>> onWrite_;
  std::size_t unitIndex_ = 0;
  std::size_t writeIndex_ = 0;
  std::uint64_t now_ = 0;
  std::uint64_t lastMoveMs_ = 0;
  bool silent_ = false;
  // script
  Bytes script_;
  std::size_t pos_ = 0;
  bool exhausted_ = false;

  std::atomic<int> slowFrom_{-1};  // -1: every packet crosses at once
  int packetsCrossed_ = 0;
  std::atomic<bool> expired_{false};
  std::atomic<bool> hungUp_{false};
  std::vector<Bytes> writes_;
};

}  // namespace testkit
