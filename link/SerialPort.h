#pragma once
// One RS-232 port on a POSIX terminal device: raw 8N1, no software or hardware flow
// control, non-blocking. It needs no modem lines, so it also runs on pseudo-terminals.
// Reads take only what is already queued; the one wait is ReadByte's 50 ms, which
// returns the moment a byte arrives.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include <termios.h>

#include "link/Transport.h"

class SerialPort : public Transport {
 public:
  // A write that makes no progress at all for this long is abandoned (a pseudo-terminal
  // nobody reads); a real line always drains.
  static constexpr int kWriteStallMs = 1000;
  static constexpr int kReadByteWaitMs = 50;
  // How long Close waits for written bytes to leave before it puts the old settings back.
  static constexpr int kRestoreDrainMs = 500;

  // Shows a failure to the user; the core never shows anything itself.
  using ErrorReporter = std::function<void(const std::string& message)>;

  SerialPort() = default;
  ~SerialPort() override;
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

  void SetErrorReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }

  // Opens `portName` ("COM1".."COM4" or a device path, see PortNames) with `settings`
  // ("%d,N,8,1"). Returns 1 when open, 0 otherwise; on failure the reporter is given
  // the port name followed by LinkTexts::kOpenError and, on the next line, the reason
  // (PortProblem). Refused without a byte written: anything that is not a terminal
  // device (a file given by mistake, /dev/null, a FIFO), the terminal this program runs
  // in, and a port another program holds.
  int Open(const std::string& portName, const std::string& settings);
  // Takes over an already open terminal descriptor (a pseudo-terminal's far side) and
  // applies `settings`. Returns 1, or 0 for a negative descriptor.
  int Adopt(int fd, const std::string& settings);
  // Releases the device, putting back the terminal settings it had before Open and
  // clearing the exclusive-use flag; harmless on a port that was never opened.
  void Close();

  bool IsOpen() const { return state_ == State::Open; }
  int Descriptor() const { return fd_; }

  // Count 0 means: up to the first NUL. Returns 0 only when the port was never opened
  // (or was closed); line errors, and a port whose open failed, still return the count:
  // the engines learn of a dead line from missing answers.
  std::size_t Write(const std::uint8_t* data, std::size_t count) override;
  std::size_t Read(std::uint8_t* buffer, std::size_t max) override;
  bool ReadByte(std::uint8_t& out) override;
  bool WriteByte(std::uint8_t byte) override { return Write(&byte, 1) == 1; }
  void PurgeRx() override;
  void PurgeTx() override;
  // The far end went away: a read found nothing more can come (hang-up, I/O error, the
  // device removed). Set by Read and ReadByte; a quiet line is not lost.
  bool LineLost() const override { return lost_; }
  std::string LineLostReason() const override;

  // Parses "baud,parity,data,stop" and applies it raw to `fd`; false when the text or
  // the device refuses (the port then keeps the device's current settings).
  static bool Configure(int fd, const std::string& settings);

 private:
  enum class State {
    NoHandle,  // never opened, or closed
    Failed,    // the open failed: writes are taken and dropped, reads find nothing
    Open,
  };

  void Report(const std::string& message) const;
  // Closes a descriptor that was opened but must not be used, and reports why.
  int Refuse(int fd, const std::string& portName, const std::string& reason);
  // Notes a read that failed for good (errno `err`, or a hang-up when 0).
  void NoteLost(int err);
  // After poll() reported on the descriptor: is the line gone?
  void NotePollResult(short revents);

  State state_ = State::NoHandle;
  int fd_ = -1;
  ErrorReporter reporter_;
  termios saved_{};  // the terminal's settings before Open changed them
  bool haveSaved_ = false;
  bool lost_ = false;  // set by the reading thread, never cleared while open
  std::string lostReason_;
};
