#pragma once
// One RS-232 port on a POSIX terminal device: raw 8N1, no software or hardware flow
// control, non-blocking. It needs no modem lines, so it also runs on pseudo-terminals.
// Reads take only what is already queued; the one wait is ReadByte's 50 ms, which
// returns the moment a byte arrives.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "link/Transport.h"

class SerialPort : public Transport {
 public:
  // A write that makes no progress at all for this long is abandoned (a pseudo-terminal
  // nobody reads); a real line always drains.
  static constexpr int kWriteStallMs = 1000;
  static constexpr int kReadByteWaitMs = 50;

  // Shows a failure to the user; the core never shows anything itself.
  using ErrorReporter = std::function<void(const std::string& message)>;

  SerialPort() = default;
  ~SerialPort() override;
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

  void SetErrorReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }

  // Opens `portName` ("COM1".."COM4" or a device path, see PortNames) with `settings`
  // ("%d,N,8,1"). Returns 1 when open, 0 otherwise; on failure the reporter is given
  // the port name followed by LinkTexts::kOpenError. Busy ports (held by another program) fail.
  int Open(const std::string& portName, const std::string& settings);
  // Takes over an already open terminal descriptor (a pseudo-terminal's far side) and
  // applies `settings`. Returns 1, or 0 for a negative descriptor.
  int Adopt(int fd, const std::string& settings);
  // Releases the device; harmless on a port that was never opened.
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

  State state_ = State::NoHandle;
  int fd_ = -1;
  ErrorReporter reporter_;
};
