#pragma once
// The thread behind a transfer engine: created parked, woken at most once, stopped
// cooperatively. The body polls StopRequested() between its short steps; nothing is
// ever killed or suspended, so the worker never freezes holding a lock.
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class Worker {
 public:
  Worker() = default;
  Worker(const Worker&) = delete;
  Worker& operator=(const Worker&) = delete;
  ~Worker();

  // Creates the thread parked; it runs `body` once Wake() is called. False when the
  // thread cannot be created (or already exists).
  bool Create(std::function<void()> body);
  void Wake();
  // Asks the body to return and releases a thread still parked. Any thread.
  void RequestStop();
  // RequestStop, then waits for the thread to end. From the worker itself it only
  // asks, since a thread cannot wait for itself.
  void Stop();

  bool StopRequested() const { return stop_.load(std::memory_order_acquire); }
  bool Created() const { return thread_.joinable(); }
  bool OnWorkerThread() const { return std::this_thread::get_id() == thread_.get_id(); }

 private:
  void Park();

  std::thread thread_;
  std::mutex mutex_;
  std::condition_variable cv_;
  bool woken_ = false;
  std::atomic<bool> stop_{false};
  std::mutex joinMutex_;
};
