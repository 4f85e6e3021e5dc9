#pragma once
// The far end of a MemoryPort played from a script. Whenever the engine finds nothing
// queued and is about to wait, the next chunk of the script arrives (or, for a "late"
// chunk, arrives just after that wait has given up). What the engine writes is
// collected write by write.
//
// Script: a sequence of chunks, each introduced by one control byte c:
//   c < 0x80    a chunk of (c & 0x3F) bytes
//   c >= 0x80   a chunk of ((c & 0x3F) << 8 | next byte) bytes
//   bit 0x40    the chunk arrives late
// A chunk of length 0 is silence for one wait; a length running past the end is cut.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sim/MemoryPort.h"

class ScriptPeer : public MemoryPort::Peer {
 public:
  // After the script runs out, the peer lets `graceMs` of virtual time pass before it
  // reports Expired(), long enough for every retry limit of the engines.
  ScriptPeer(const std::uint8_t* data, std::size_t size, std::uint64_t graceMs)
      : data_(data), size_(size), graceMs_(graceMs) {}

  void OnWrite(MemoryPort& port) override { writes_.push_back(port.TakeWritten()); }

  void OnWait(MemoryPort& port, std::uint64_t deadlineMs) override {
    if (pos_ >= size_) {
      if (!exhausted_) {
        exhausted_ = true;
        exhaustedAtMs_ = port.NowMs();
      }
      if (deadlineMs > exhaustedAtMs_ + graceMs_) expired_.store(true, std::memory_order_release);
      return;
    }
    const std::uint8_t c = data_[pos_++];
    std::size_t length = c & 0x3F;
    if ((c & 0x80) != 0) {
      length = pos_ < size_ ? (length << 8) | data_[pos_++] : 0;
    }
    if (length > size_ - pos_) length = size_ - pos_;
    if (length > 0) {
      if ((c & 0x40) != 0) {
        port.FeedAt(deadlineMs + 1, data_ + pos_, length);
      } else {
        port.Feed(data_ + pos_, length);
      }
    }
    pos_ += length;
  }

  // Any thread.
  bool Expired() const { return expired_.load(std::memory_order_acquire); }
  // Worker thread, or after the engine has stopped.
  const std::vector<std::vector<std::uint8_t>>& Writes() const { return writes_; }

  // Builds the script that delivers `units` one per wait, none late.
  static std::vector<std::uint8_t> Encode(const std::vector<std::vector<std::uint8_t>>& units) {
    std::vector<std::uint8_t> script;
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

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
  std::uint64_t graceMs_;
  bool exhausted_ = false;
  std::uint64_t exhaustedAtMs_ = 0;
  std::atomic<bool> expired_{false};
  std::vector<std::vector<std::uint8_t>> writes_;
};
