#include "link/Worker.h"

#include <system_error>

Worker::~Worker() {
  Stop();
  // Only reachable when the owner is destroyed from its own worker: let it run out.
  if (thread_.joinable()) thread_.detach();
}

bool Worker::Create(std::function<void()> body) {
  if (thread_.joinable()) return false;
  try {
    thread_ = std::thread([this, body = std::move(body)] {
      Park();
      if (!StopRequested()) body();
    });
  } catch (const std::system_error&) {
    return false;
  }
  return true;
}

void Worker::Park() {
  std::unique_lock lock(mutex_);
  cv_.wait(lock, [this] { return woken_ || StopRequested(); });
}

void Worker::Wake() {
  {
    std::lock_guard lock(mutex_);
    woken_ = true;
  }
  cv_.notify_all();
}

void Worker::RequestStop() {
  {
    // Under the mutex so a thread about to park cannot miss the request.
    std::lock_guard lock(mutex_);
    stop_.store(true, std::memory_order_release);
  }
  cv_.notify_all();
}

void Worker::Stop() {
  RequestStop();
  if (!thread_.joinable() || OnWorkerThread()) return;
  // Two threads may stop at once (Cancel and the owner's destructor).
  std::lock_guard lock(joinMutex_);
  if (thread_.joinable()) thread_.join();
}
