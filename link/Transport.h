#pragma once
// The byte pipe the receive and send engines talk through. SerialPort drives a real
// line; MemoryPort stands in for it in tests. Every operation returns at once or after
// at most one ReadByte wait, so an engine never hangs on a dead line.
#include <cstddef>
#include <cstdint>
#include <string>

class Transport {
 public:
  virtual ~Transport() = default;

  // Puts `count` bytes on the line. Returns the number written: `count`, or 0 when there
  // is no line at all. Line errors are not reported here; missing answers show them.
  virtual std::size_t Write(const std::uint8_t* data, std::size_t count) = 0;

  // Takes only bytes already queued, at most `max`; 0 when nothing is waiting.
  virtual std::size_t Read(std::uint8_t* buffer, std::size_t max) = 0;

  // Immediate when a byte is queued, otherwise gives up after about 50 ms.
  // On failure `out` is left untouched.
  virtual bool ReadByte(std::uint8_t& out) = 0;

  virtual bool WriteByte(std::uint8_t byte) = 0;

  // Discard what is queued in one direction.
  virtual void PurgeRx() = 0;
  virtual void PurgeTx() = 0;

  // The far end is gone for good (a USB adapter unplugged, a closed pseudo-terminal):
  // nothing will come any more, so there is no point in waiting out a retry limit. A
  // line that is merely quiet is not lost.
  virtual bool LineLost() const { return false; }
  virtual std::string LineLostReason() const { return {}; }
};
