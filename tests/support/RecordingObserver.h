#pragma once
// A TransferObserver that remembers what a dialog would have shown. Message boxes are
// answered at once, or held open until the engine's Stop releases them, as a person who
// has not yet pressed OK would.
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "link/TransferObserver.h"

namespace testkit {

class RecordingObserver : public TransferObserver {
 public:
  using Field = TransferObserver::Field;

  void SetText(Field field, const std::string& text) override {
    std::lock_guard lock(mutex_);
    texts_[field] = text;
    // Repeats of the same text are one line as far as anyone watching can tell.
    auto& seen = history_[field];
    if ((seen.empty() || seen.back() != text) && seen.size() < kHistoryCap) seen.push_back(text);
  }
  void SetProgressRange(int low, int high) override {
    std::lock_guard lock(mutex_);
    rangeLow_ = low;
    rangeHigh_ = high;
  }
  void SetProgressPos(int pos) override {
    std::lock_guard lock(mutex_);
    pos_ = pos;
    if (pos > maxPos_) maxPos_ = pos;
  }
  void EnableOk() override {
    std::lock_guard lock(mutex_);
    ++okEnabled_;
  }
  void RestartClock() override {
    std::lock_guard lock(mutex_);
    ++clockRestarts_;
    clockRunning_ = true;
  }
  void StopClock() override {
    std::lock_guard lock(mutex_);
    clockRunning_ = false;
  }
  void SetCancelCaption(const std::string& caption) override {
    std::lock_guard lock(mutex_);
    cancelCaption_ = caption;
  }
  void ShowMessage(const std::string& text) override {
    std::unique_lock lock(mutex_);
    messages_.push_back(text);
    cv_.notify_all();
    if (holdMessages_) cv_.wait(lock, [this] { return unblocked_; });
  }
  void Unblock() override {
    std::lock_guard lock(mutex_);
    unblocked_ = true;
    cv_.notify_all();
  }

  // --- test side ---
  void HoldMessages() {
    std::lock_guard lock(mutex_);
    holdMessages_ = true;
  }
  // Waits (real time) until `count` message boxes have been shown.
  bool WaitForMessages(std::size_t count, std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    std::unique_lock lock(mutex_);
    return cv_.wait_for(lock, limit, [&] { return messages_.size() >= count; });
  }
  std::vector<std::string> Messages() const {
    std::lock_guard lock(mutex_);
    return messages_;
  }
  std::string Status() const { return Text(Field::Status); }
  std::string Text(Field field) const {
    std::lock_guard lock(mutex_);
    auto it = texts_.find(field);
    return it == texts_.end() ? std::string() : it->second;
  }
  std::vector<std::string> History(Field field) const {
    std::lock_guard lock(mutex_);
    auto it = history_.find(field);
    return it == history_.end() ? std::vector<std::string>() : it->second;
  }
  int OkEnabled() const { std::lock_guard lock(mutex_); return okEnabled_; }
  int ClockRestarts() const { std::lock_guard lock(mutex_); return clockRestarts_; }
  bool ClockRunning() const { std::lock_guard lock(mutex_); return clockRunning_; }
  std::string CancelCaption() const { std::lock_guard lock(mutex_); return cancelCaption_; }
  int RangeHigh() const { std::lock_guard lock(mutex_); return rangeHigh_; }
  int RangeLow() const { std::lock_guard lock(mutex_); return rangeLow_; }
  int Pos() const { std::lock_guard lock(mutex_); return pos_; }
  int MaxPos() const { std::lock_guard lock(mutex_); return maxPos_; }

 private:
  static constexpr std::size_t kHistoryCap = 100000;

  mutable std::mutex mutex_;
  std::condition_variable cv_;
  std::map<Field, std::string> texts_;
  std::map<Field, std::vector<std::string>> history_;
  std::vector<std::string> messages_;
  int rangeLow_ = -1, rangeHigh_ = -1, pos_ = -1, maxPos_ = -1;
  int okEnabled_ = 0;
  int clockRestarts_ = 0;
  bool clockRunning_ = false;
  std::string cancelCaption_ = "Cancel";
  bool holdMessages_ = false;
  bool unblocked_ = false;
};

}  // namespace testkit
