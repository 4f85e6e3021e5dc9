#pragma once
// How a transfer engine (JRxThread, JTxThread) reports to whoever watches it: the
// "Receive from STB" / "Send to STB" dialog, or quelmar-cli. The engine formats every
// number itself, so an observer only puts text where it is told to.
//
// Threads
// -------
// Almost every call is made on the engine's worker thread. The window's implementation
// marshals each call to the user-interface thread, in order, and waits until it has
// been delivered (for ShowMessage: until the box is dismissed) before returning.
// A few calls are made on the thread that drives the engine (Start, BeginReceive,
// PrepareSend/BeginSend, Finish after Cancel): an implementation called on its own
// UI thread must act directly instead of queueing and waiting for itself.
//
// Cancel must never deadlock (the worker may be blocked in a report while the user
// presses Cancel). The engine's Stop() therefore calls Unblock() on the stopping
// thread before it joins the worker. From then on every call made from another
// thread than the UI thread, whether already waiting or made later, must return
// promptly without waiting for the UI thread (it may be dropped; a message box
// counts as dismissed). Reports queued but not yet delivered must not reach a
// destroyed dialog (guard them, e.g. with a QPointer, or drop them after Unblock).
// The observer must stay alive until the engine has been stopped (Stop / Finish, or
// the engine's destructor, which stops a worker still running and calls Unblock);
// after that the engine never calls it from the worker again.
//
// Life of a transfer, seen from a dialog (see JRxThread.h / JTxThread.h):
//   receive: engine.Start(observer, portName, baud, doc)   // opens the port, worker parked
//            engine.BeginReceive()                         // wakes the worker once
//            Cancel: engine.Stop()                         // no message
//            after OK: engine.Stop(); read engine.ImageBuffer() (header + data)
//   send:    engine.Start(observer, portName, baud)
//            engine.PrepareSend(doc)                       // ends in BeginSend, or a message
//            Cancel / OK: engine.Finish()                  // stops the worker first
// The engine's destructor stops the worker too, so the dialog only has to own it.
#include <cstdint>
#include <string>

class TransferObserver {
 public:
  // The text fields of the two transfer dialogs. Retry and Status exist in both;
  // the others only in "Send to STB".
  enum class Field {
    Status,    // status line
    Retry,     // "Retry": consecutive failed steps, "%d"
    Ack,       // "Ack": last byte received, "0x%02x"
    Sending,   // "Sending": bytes sent so far, "%d"
    Total,     // "Total": bytes to send, "%d"
    Packets,   // "Packets": packets sent so far, "%d"
    Expected,  // "Excepted": expected time, "mm:ss"
  };

  virtual ~TransferObserver() = default;

  virtual void SetText(Field field, const std::string& text) = 0;

  // Progress bar range (low .. high) and position.
  virtual void SetProgressRange(int low, int high) = 0;
  virtual void SetProgressPos(int pos) = 0;

  // Receive: a completed receive enables the OK button and gives it the focus.
  virtual void EnableOk() = 0;

  // Send: the elapsed clock restarts at 00:00 and ticks every second (the dialog's
  // own one-second timer, id 2313) until StopClock; the field keeps its last text.
  virtual void RestartClock() = 0;
  virtual void StopClock() = 0;

  // Send: the Cancel button's caption changes (to "OK" after a successful send).
  virtual void SetCancelCaption(const std::string& caption) = 0;

  // A message box titled "Quelmar" with one OK button; returns once it is dismissed.
  virtual void ShowMessage(const std::string& text) = 0;

  // Called by the engine's Stop() on the stopping thread, before it waits for the
  // worker: release every report the worker is (or will be) waiting on. See above.
  virtual void Unblock() = 0;
};
