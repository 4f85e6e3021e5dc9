#pragma once
// What a transfer dialog shows, as seen from the user-interface thread. The report
// channel calls these in the order the engine reported, always on that thread.
#include <QString>

#include "link/TransferObserver.h"

class TransferControls {
 public:
  virtual ~TransferControls() = default;
  virtual void ShowText(TransferObserver::Field field, const QString& text) = 0;
  virtual void SetProgressRange(int low, int high) = 0;
  virtual void SetProgressPos(int pos) = 0;
  virtual void EnableOk() {}
  virtual void RestartClock() {}
  virtual void StopClock() {}
  virtual void SetCancelCaption(const QString& /*caption*/) {}
};
