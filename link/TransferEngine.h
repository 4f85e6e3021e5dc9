#pragma once
// What the receive and send engines (JRxThread, JTxThread) share: the worker that runs
// one transfer a step at a time, the retry limit that ends it once the other side stops
// answering, the way Cancel stops it from another thread, and the two ways to start it
// (on a port by name, or on any Transport). Each engine brings its own states, texts
// and steps; this class knows only its parked and failed states.
//
// A derived engine must call StopWorker() in its own destructor: the worker runs the
// derived engine's steps, so it has to end before the derived part goes away.
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "link/TransferObserver.h"
#include "link/Transport.h"
#include "link/Worker.h"

class TransferEngine {
 public:
  // Consecutive failed steps beyond this end the transfer.
  static constexpr std::uint32_t kRetryLimit = 1000;

  TransferEngine(const TransferEngine&) = delete;
  TransferEngine& operator=(const TransferEngine&) = delete;

  int CurrentState() const { return state_.load(std::memory_order_acquire); }
  bool IsIdle() const { return CurrentState() == traits_.idleState; }

 protected:
  // Where the engine differs: its parked state (also the result before any step), the
  // state the retry limit leads to, the message when no worker can be had, and whether
  // a port named by the user is opened before the worker is created (receive: the port
  // is opened whatever happens) or after it (send: no worker, no port).
  struct Traits {
    int idleState;
    int failState;
    int successState;  // the exchange has ended well; a line lost now changes nothing
    const char* createFailText;
    bool openPortFirst;
  };

  explicit TransferEngine(const Traits& traits);
  virtual ~TransferEngine();

  // Opens `portName` ("COM1".."COM4" or a device path) at `baud`; a port that does not
  // open has been reported ("<name> Open Error!") and behaves like a dead line. 0 after
  // the create-fail message when the worker cannot be created.
  int StartEngine(TransferObserver& observer, const std::string& portName, int baud);
  // The same over any transport (tests, benchmarks, quelmar-cli).
  int StartEngine(TransferObserver& observer, std::unique_ptr<Transport> port);

  // The step of `state`, run by the worker; the loop around it is this class's.
  virtual void Step(int state) = 0;

  // True the first time only: one engine serves one transfer.
  bool BeginOnce() { return !begun_.exchange(true); }
  bool HasBegun() const { return begun_.load(); }
  bool WorkerCreated() const { return worker_.Created(); }
  // Starts the transfer in `firstState` with a clean slate (no failures, packet 0, no
  // result yet) and lets the parked worker run.
  void Begin(int firstState);
  bool Stopping() const { return worker_.StopRequested(); }
  // Ends the worker for good, from any thread; from another than the worker's it
  // releases every report the worker waits on and returns once the worker has ended.
  // From then on the worker never touches the observer again.
  void StopWorker();

  // A direct transition: the recorded result stays as it was.
  void SetState(int state) { state_.store(state, std::memory_order_release); }
  // A step that succeeded: on to `next`, recorded as the result, failures forgotten.
  void Advance(int next);

  // Puts one code on the line; a write that fails counts as a failed step.
  bool SendCode(std::uint8_t code);
  // Send step: `code`, then on to `next`; a failed write repeats the step.
  void SendStep(std::uint8_t code, int next);
  // Reads one byte with the port's short bounded wait; nothing in time counts as a
  // failed step.
  bool ReadCode(std::uint8_t& byte);

  void ShowStatus(const char* text);
  static std::string Decimal(long long value);

  TransferObserver* observer_ = nullptr;
  std::unique_ptr<Transport> port_;

  // Worker-only while it runs.
  int resultCode_;                // the target of the last step that succeeded
  bool lastPacketDone_ = false;   // the packet just settled was the final one
  std::uint32_t retryCount_ = 0;  // consecutive failed steps
  int nextPacket_ = 0;
  std::uint32_t dataLength_ = 0;
  // Set when the line went away: the status line keeps saying so through the failure
  // steps that follow, instead of their own state names.
  std::string lostStatus_;

 private:
  void Run();

  const Traits traits_;
  Worker worker_;
  std::atomic<int> state_;
  std::atomic<bool> begun_{false};
};
