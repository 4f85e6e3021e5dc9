#pragma once
// One LineFault applied to the units crossing the line of a transfer with the simulated
// receiver at the far end: the FarEnd runs the filter on every unit, in either
// direction, on the engine's thread, in the line's virtual time.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "hardening/LineFault.h"
#include "support/FarEnd.h"

class LineFaultFilter {
 public:
  LineFaultFilter(Direction direction, LineFault fault, std::uint32_t dataLength);
  LineFaultFilter(const LineFaultFilter&) = delete;
  LineFaultFilter& operator=(const LineFaultFilter&) = delete;

  // For the FarEnd; the filter must outlive it.
  testkit::FarEnd::Filter Filter();

  // More units than any transfer that makes progress needs: the two ends are going
  // round in circles.
  static constexpr std::size_t kUnitLimit = 20000;

  // Any thread.
  bool Looping() const { return looping_.load(std::memory_order_acquire); }
  // After the engine has stopped: the fault hit the unit it was aimed at.
  bool Injected() const { return injected_; }

 private:
  // Applies the fault to `unit` if it is the one aimed at; an emptied unit is lost.
  void Pass(std::vector<std::uint8_t>& unit);
  int StepOf(const std::vector<std::uint8_t>& unit) const;

  Direction direction_;
  LineFault fault_;
  std::uint32_t lastPacket_;
  std::uint32_t dataAcks_ = 0;   // DATA_ACKs seen: the index of the packet in flight
  std::uint32_t answered_ = 0;   // the packet the latest DATA_(N)ACK answered
  bool injected_ = false;
  bool cut_ = false;
  std::size_t units_ = 0;
  std::atomic<bool> looping_{false};
};
