#pragma once
// The receiver's side of the transfer exchange, as a simulated set-top box for tests and
// for trying transfers without hardware. It does no I/O of its own: bytes from the line
// go in through OnReceived, time through OnTime, and what it puts on the line comes out
// through the Output callback. stbsim runs it over a serial port or pseudo-terminal in
// real time; engine tests run it over a MemoryPort in virtual time (SimReceiverPeer).
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "link/DataPacket.h"
#include "link/LinkHeader.h"
#include "sim/MemoryPort.h"

enum class SimRole {
  Serve,   // the receiver sends its database (the PC chose "Receive from STB")
  Accept,  // the receiver takes the PC's database (the PC chose "Send to STB")
};

enum class SimOutcome { Running, Succeeded, Failed };

// Faults to inject. Packet numbers count from 0; kAtHeader means the header exchange.
struct SimFaults {
  static constexpr long kNever = -2;
  static constexpr long kAtHeader = -1;

  // Serve.
  int badMagicHeaders = 0;        // the first k headers sent carry a wrong magic
  bool badHeaderSum = false;      // the first header with a right magic has a wrong headerSum
  long corruptPacket = kNever;    // this packet goes out with a damaged payload ...
  int corruptTimes = 1;           // ... this many times
  long badStartPacket = kNever;   // this packet goes out starting 0x48 ...
  int badStartTimes = 1;          // ... this many times
  long earlyTerminateAck = kNever;  // TERMINATE_ACK replaces the acknowledgement after
                                    // this packet (or the header) is answered
  long long claimedDataLength = -1;  // the header names this dataLength (its sum made
                                     // right) whatever the data's size; -1: the data's size
  // Accept.
  int nackHeaders = 0;            // the first k good headers are answered HEADER_NACK
  long nackPacket = kNever;       // this good packet is answered DATA_NACK ...
  int nackTimes = 1;              // ... this many times
  long failTerminate = kNever;    // FAIL_TERMINATE_REQ answers this packet (or the header)
  // Both.
  long silentAfterUnits = -1;     // after this many units (codes, headers, packets) sent,
                                  // nothing more goes out; -1: never
  int junkBytes = 0;              // junk bytes sent before every code
};

struct SimTiming {
  std::uint64_t connectIntervalMs = 200;  // serve: CONNECT_REQ repeats until answered
  std::uint64_t blockTimeoutMs = 2000;    // accept: an unfinished header/packet is given up
  std::uint64_t saveDelayMs = 0;          // accept: "saving" before TERMINATE_REQ
};

struct SimStats {
  std::size_t unitsSent = 0;
  std::size_t headersSent = 0;
  std::size_t packetsSent = 0;
  std::size_t headersReceived = 0;
  std::size_t packetsReceived = 0;
  std::size_t nacksSent = 0;
  std::size_t nacksReceived = 0;
  std::size_t strayBytes = 0;  // bytes that were not what the exchange expected
};

class SimReceiver {
 public:
  static constexpr std::uint64_t kNoDeadline = std::numeric_limits<std::uint64_t>::max();
  using Output = std::function<void(const std::uint8_t* data, std::size_t count)>;
  using Log = std::function<void(const std::string& line)>;

  SimReceiver(SimRole role, SimFaults faults = {}, SimTiming timing = {});

  void SetOutput(Output output) { output_ = std::move(output); }
  void SetLog(Log log) { log_ = std::move(log); }

  // Serve: the database to send, a whole image (header, then data). The header goes out
  // as stored except that dataLength is the data's size and headerSum is made right, as
  // a receiver would send it.
  void SetImage(const std::vector<std::uint8_t>& image);

  // Begins the exchange (serve: the first CONNECT_REQ).
  void Start(std::uint64_t nowMs);
  void OnReceived(const std::uint8_t* data, std::size_t count, std::uint64_t nowMs);
  void OnTime(std::uint64_t nowMs);
  // When OnTime should next run; kNoDeadline when only bytes can move it on.
  std::uint64_t NextDeadlineMs() const;

  // Serve: still repeating CONNECT_REQ, the PC has not answered yet.
  bool AwaitingConnectAck() const { return step_ == Step::SendConnect; }

  SimOutcome Outcome() const { return outcome_; }
  bool Done() const { return outcome_ != SimOutcome::Running; }
  const SimStats& Stats() const { return stats_; }
  // Accept: header and data as received (the image layout), complete once Succeeded.
  const std::vector<std::uint8_t>& ReceivedImage() const { return received_; }

 private:
  enum class Step {
    Idle,
    // serve
    SendConnect, WaitHeaderReq, WaitHeaderAnswer, WaitDataReq, WaitDataAnswer,
    WaitTerminateReq,
    // accept
    WaitConnectReq, WaitConnectReAck, ReadHeader, WaitHeaderRcvAck, ReadPacket,
    WaitDataRcvAck, Saving, WaitTerminateAck,
    Finished,
  };

  void OnByte(std::uint8_t b);
  void ServeByte(std::uint8_t b);
  void AcceptByte(std::uint8_t b);
  void RequestHeader();
  void RequestPacket();
  void FailTransfer(const std::string& why);
  void JudgeHeader();
  void JudgePacket();
  void SendCode(std::uint8_t code);
  void SendHeader();
  void SendPacket();
  void SendUnit(const std::uint8_t* data, std::size_t count, const std::string& what);
  void Stray(std::uint8_t b);
  void Finish(SimOutcome outcome);
  void Note(const std::string& line);

  SimRole role_;
  SimFaults faults_;
  SimTiming timing_;
  Output output_;
  Log log_;
  SimStats stats_;
  SimOutcome outcome_ = SimOutcome::Running;
  Step step_ = Step::Idle;
  std::uint64_t now_ = 0;
  std::uint64_t deadline_ = kNoDeadline;
  bool silent_ = false;

  // serve
  LinkHeader header_;
  std::vector<std::uint8_t> data_;
  int headersOut_ = 0;
  bool headerSumSpoiled_ = false;

  // accept
  std::vector<std::uint8_t> block_;     // header or packet being collected
  std::vector<std::uint8_t> received_;  // header + data
  int headerNacksLeft_ = 0;
  int packetNacksLeft_ = 0;
  bool lastAnswerAck_ = false;
  bool failing_ = false;

  // both
  std::uint32_t dataLength_ = 0;
  std::uint32_t nextPacket_ = 0;
  int corruptLeft_ = 0;
  int badStartLeft_ = 0;
  std::size_t junkCounter_ = 0;
};

// Runs a SimReceiver as the far end of a MemoryPort, in the port's virtual time: what the
// engine writes goes to the simulator at once, and while the engine waits the simulator's
// timers run up to the wait's deadline.
class SimReceiverPeer : public MemoryPort::Peer {
 public:
  SimReceiverPeer(MemoryPort& port, SimReceiver& sim);
  ~SimReceiverPeer() override;
  SimReceiverPeer(const SimReceiverPeer&) = delete;
  SimReceiverPeer& operator=(const SimReceiverPeer&) = delete;

  void OnWrite(MemoryPort& port) override;
  void OnWait(MemoryPort& port, std::uint64_t deadlineMs) override;

 private:
  MemoryPort& port_;
  SimReceiver& sim_;
  std::uint64_t outTime_ = 0;
};
