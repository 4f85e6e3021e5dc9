#pragma once
// A TransferObserver without a window: it keeps the messages and the last status text
// and answers every message box at once.
#include <mutex>
#include <string>
#include <vector>

#include "link/TransferObserver.h"

class QuietObserver : public TransferObserver {
 public:
  void SetText(Field field, const std::string& text) override {
    std::lock_guard lock(mutex_);
    if (field == Field::Status) status_ = text;
  }
  void SetProgressRange(int, int) override {}
  void SetProgressPos(int) override {}
  void EnableOk() override {
    std::lock_guard lock(mutex_);
    okEnabled_ = true;
  }
  void RestartClock() override {}
  void StopClock() override {}
  void SetCancelCaption(const std::string&) override {}
  void ShowMessage(const std::string& text) override {
    std::lock_guard lock(mutex_);
    messages_.push_back(text);
  }
  void Unblock() override {}

  std::vector<std::string> Messages() const {
    std::lock_guard lock(mutex_);
    return messages_;
  }
  std::string Status() const {
    std::lock_guard lock(mutex_);
    return status_;
  }
  bool OkEnabled() const {
    std::lock_guard lock(mutex_);
    return okEnabled_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> messages_;
  std::string status_;
  bool okEnabled_ = false;
};
