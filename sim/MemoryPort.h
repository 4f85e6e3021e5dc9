#pragma once
// An in-memory Transport for tests and fuzzing. The engine under test reads and writes
// it like a serial line; the other end is a Peer run synchronously on the engine's own
// thread: it is told whenever the engine writes and whenever the engine is about to
// wait for a byte, and answers by feeding bytes. Time is virtual: a ReadByte that finds
// nothing advances the clock by 50 ms and returns at once, so a thousand timeouts cost
// microseconds and every run is repeatable.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <mutex>
#include <string>
#include <vector>

#include "link/LinkTexts.h"
#include "link/Transport.h"

class MemoryPort : public Transport {
 public:
  static constexpr std::uint64_t kReadByteWaitMs = 50;

  class Peer {
   public:
    virtual ~Peer() = default;
    // The engine has written; TakeWritten() gives the bytes.
    virtual void OnWrite(MemoryPort& port) = 0;
    // The engine found nothing queued and will wait until `deadlineMs` (virtual time).
    // Bytes fed now, or fed with FeedAt() no later than the deadline, end the wait.
    virtual void OnWait(MemoryPort& port, std::uint64_t deadlineMs) = 0;
  };

  // One byte as it crossed the line, in order, for checking whole exchanges.
  struct LineByte {
    bool fromEngine;
    std::uint8_t value;
    std::uint64_t timeMs;
  };

  MemoryPort() = default;
  MemoryPort(const MemoryPort&) = delete;
  MemoryPort& operator=(const MemoryPort&) = delete;

  // --- Transport, the engine's side ---
  std::size_t Write(const std::uint8_t* data, std::size_t count) override;
  std::size_t Read(std::uint8_t* buffer, std::size_t max) override;
  bool ReadByte(std::uint8_t& out) override;
  bool WriteByte(std::uint8_t byte) override { return Write(&byte, 1) == 1; }
  void PurgeRx() override;
  void PurgeTx() override {}
  // After HangUp, once the bytes that had arrived are read.
  bool LineLost() const override;
  std::string LineLostReason() const override { return LinkTexts::kHungUp; }

  // --- the far end ---
  // Not owned; nullptr detaches. Without a peer, only fed bytes arrive.
  void SetPeer(Peer* peer);
  // Queue bytes for the engine, arriving now.
  void Feed(const std::uint8_t* data, std::size_t count);
  void Feed(std::initializer_list<std::uint8_t> bytes);
  void Feed(const std::vector<std::uint8_t>& bytes) { Feed(bytes.data(), bytes.size()); }
  // Queue bytes arriving at virtual time `atMs` (never earlier than now).
  void FeedAt(std::uint64_t atMs, const std::uint8_t* data, std::size_t count);
  // Bytes the engine wrote since the last call.
  std::vector<std::uint8_t> TakeWritten();
  // Bytes queued for the engine, arrived or not.
  std::size_t PendingForEngine() const;

  // A closed port behaves like a port without a device: Write returns 0, reads find
  // nothing (ReadByte still spends its wait).
  void SetOpen(bool open);
  // The far end goes away, as a pulled cable: bytes already arrived can still be read,
  // those still on their way and anything fed later are lost, and a read that finds
  // nothing returns at once.
  void HangUp();

  std::uint64_t NowMs() const;
  void AdvanceMs(std::uint64_t ms);

  // Everything that crossed, both directions, in order.
  std::vector<LineByte> LineLog() const;
  // Only what the engine wrote, in order, all of it.
  std::vector<std::uint8_t> AllWritten() const;
  std::size_t ReadByteTimeouts() const;
  std::size_t PurgeRxCount() const;

 private:
  struct Pending {
    std::uint64_t atMs;
    std::uint8_t value;
  };
  // Takes the next byte whose arrival time has come; caller holds the lock.
  bool PopArrivedLocked(std::uint8_t& out);

  mutable std::mutex mutex_;
  Peer* peer_ = nullptr;
  bool open_ = true;
  bool hungUp_ = false;
  std::uint64_t nowMs_ = 0;
  std::deque<Pending> toEngine_;  // ordered by arrival time
  std::vector<std::uint8_t> fromEngine_;
  std::vector<std::uint8_t> allWritten_;
  std::vector<LineByte> log_;
  std::size_t readByteTimeouts_ = 0;
  std::size_t purgeRxCount_ = 0;
};
