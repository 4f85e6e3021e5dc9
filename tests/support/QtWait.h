#pragma once
// The Qt side of Wait.h: waits while the calling (UI) thread keeps handling events, so
// queued reports from a worker, timers and dialogs go on while the test waits.
#include <QCoreApplication>
#include <chrono>

#include "support/Wait.h"

namespace testkit {

template <typename Done>
bool PumpUntil(Done&& done, std::chrono::milliseconds limit = std::chrono::seconds(20)) {
  return PollUntil(done, limit, [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 20); });
}

}  // namespace testkit
