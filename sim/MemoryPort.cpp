#include "sim/MemoryPort.h"

#include <algorithm>

std::size_t MemoryPort::Write(const std::uint8_t* data, std::size_t count) {
  Peer* peer = nullptr;
  {
    std::lock_guard lock(mutex_);
    if (!open_) return 0;
    fromEngine_.insert(fromEngine_.end(), data, data + count);
    allWritten_.insert(allWritten_.end(), data, data + count);
    for (std::size_t i = 0; i < count; ++i) log_.push_back({true, data[i], nowMs_});
    peer = peer_;
  }
  // The peer runs unlocked: it feeds answers through the same port.
  if (peer != nullptr && count > 0) peer->OnWrite(*this);
  return count;
}

std::size_t MemoryPort::Read(std::uint8_t* buffer, std::size_t max) {
  std::lock_guard lock(mutex_);
  if (!open_) return 0;
  std::size_t n = 0;
  while (n < max && PopArrivedLocked(buffer[n])) ++n;
  return n;
}

bool MemoryPort::ReadByte(std::uint8_t& out) {
  std::uint64_t deadline = 0;
  Peer* peer = nullptr;
  {
    std::lock_guard lock(mutex_);
    if (open_ && PopArrivedLocked(out)) return true;
    if (hungUp_) return false;  // a hung-up line answers at once, as poll() does
    deadline = nowMs_ + kReadByteWaitMs;
    peer = open_ ? peer_ : nullptr;
  }
  if (peer != nullptr) peer->OnWait(*this, deadline);
  std::lock_guard lock(mutex_);
  if (open_ && !toEngine_.empty() && toEngine_.front().atMs <= deadline) {
    nowMs_ = std::max(nowMs_, toEngine_.front().atMs);
    out = toEngine_.front().value;
    toEngine_.pop_front();
    return true;
  }
  nowMs_ = std::max(nowMs_, deadline);
  ++readByteTimeouts_;
  return false;
}

void MemoryPort::PurgeRx() {
  std::lock_guard lock(mutex_);
  ++purgeRxCount_;
  while (!toEngine_.empty() && toEngine_.front().atMs <= nowMs_) toEngine_.pop_front();
}

void MemoryPort::SetPeer(Peer* peer) {
  std::lock_guard lock(mutex_);
  peer_ = peer;
}

void MemoryPort::Feed(const std::uint8_t* data, std::size_t count) {
  FeedAt(NowMs(), data, count);
}

void MemoryPort::Feed(std::initializer_list<std::uint8_t> bytes) {
  Feed(bytes.begin(), bytes.size());
}

void MemoryPort::FeedAt(std::uint64_t atMs, const std::uint8_t* data, std::size_t count) {
  std::lock_guard lock(mutex_);
  if (hungUp_) return;
  atMs = std::max(atMs, nowMs_);
  // Keep the queue in arrival order; bytes fed for the same moment stay in feed order.
  auto pos = std::upper_bound(toEngine_.begin(), toEngine_.end(), atMs,
                              [](std::uint64_t t, const Pending& p) { return t < p.atMs; });
  std::vector<Pending> bytes;
  bytes.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    bytes.push_back({atMs, data[i]});
    log_.push_back({false, data[i], atMs});
  }
  toEngine_.insert(pos, bytes.begin(), bytes.end());
}

std::vector<std::uint8_t> MemoryPort::TakeWritten() {
  std::lock_guard lock(mutex_);
  std::vector<std::uint8_t> out;
  out.swap(fromEngine_);
  return out;
}

std::size_t MemoryPort::PendingForEngine() const {
  std::lock_guard lock(mutex_);
  return toEngine_.size();
}

void MemoryPort::SetOpen(bool open) {
  std::lock_guard lock(mutex_);
  open_ = open;
}

void MemoryPort::HangUp() {
  std::lock_guard lock(mutex_);
  hungUp_ = true;
  while (!toEngine_.empty() && toEngine_.back().atMs > nowMs_) toEngine_.pop_back();
}

bool MemoryPort::LineLost() const {
  std::lock_guard lock(mutex_);
  return hungUp_ && toEngine_.empty();
}

std::uint64_t MemoryPort::NowMs() const {
  std::lock_guard lock(mutex_);
  return nowMs_;
}

void MemoryPort::AdvanceMs(std::uint64_t ms) {
  std::lock_guard lock(mutex_);
  nowMs_ += ms;
}

std::vector<MemoryPort::LineByte> MemoryPort::LineLog() const {
  std::lock_guard lock(mutex_);
  return log_;
}

std::vector<std::uint8_t> MemoryPort::AllWritten() const {
  std::lock_guard lock(mutex_);
  return allWritten_;
}

std::size_t MemoryPort::ReadByteTimeouts() const {
  std::lock_guard lock(mutex_);
  return readByteTimeouts_;
}

std::size_t MemoryPort::PurgeRxCount() const {
  std::lock_guard lock(mutex_);
  return purgeRxCount_;
}

bool MemoryPort::PopArrivedLocked(std::uint8_t& out) {
  if (toEngine_.empty() || toEngine_.front().atMs > nowMs_) return false;
  out = toEngine_.front().value;
  toEngine_.pop_front();
  return true;
}
