#pragma once
// The far end of a MemoryPort transfer: the simulated receiver (the same code stbsim
// runs on a real line), with one LineFault applied to the units crossing the line in
// either direction. Runs in the port's virtual time on the engine's thread, like
// SimReceiverPeer, and reports when the transfer has run past a virtual-time bound.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "hardening/LineFault.h"
#include "sim/MemoryPort.h"
#include "sim/SimReceiver.h"

class LineFaultPeer : public MemoryPort::Peer {
 public:
  LineFaultPeer(MemoryPort& port, SimReceiver& sim, Direction direction, LineFault fault,
                std::uint32_t dataLength, std::uint64_t boundMs);
  ~LineFaultPeer() override;
  LineFaultPeer(const LineFaultPeer&) = delete;
  LineFaultPeer& operator=(const LineFaultPeer&) = delete;

  void OnWrite(MemoryPort& port) override;
  void OnWait(MemoryPort& port, std::uint64_t deadlineMs) override;

  // More units than any transfer that makes progress needs: the two ends are going
  // round in circles.
  static constexpr std::size_t kUnitLimit = 20000;

  // Any thread: past the time bound or the unit limit.
  bool Overtime() const { return overtime_.load(std::memory_order_acquire); }
  bool Looping() const { return looping_.load(std::memory_order_acquire); }
  // After the engine has stopped.
  bool Injected() const { return injected_; }

 private:
  // Applies the fault to one unit if it is the one aimed at; true when the unit (as it
  // now stands) should still cross.
  void Pass(std::vector<std::uint8_t>& unit);
  int StepOf(const std::vector<std::uint8_t>& unit) const;

  MemoryPort& port_;
  SimReceiver& sim_;
  Direction direction_;
  LineFault fault_;
  std::uint32_t lastPacket_;
  std::uint64_t boundMs_;
  std::uint64_t outTime_ = 0;
  std::uint32_t dataAcks_ = 0;   // DATA_ACKs seen: the index of the packet in flight
  std::uint32_t answered_ = 0;   // the packet the latest DATA_(N)ACK answered
  bool injected_ = false;
  bool cut_ = false;
  std::size_t units_ = 0;
  std::atomic<bool> overtime_{false};
  std::atomic<bool> looping_{false};
};
