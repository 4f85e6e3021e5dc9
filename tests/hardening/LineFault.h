#pragma once
// One fault on the line of a transfer: what goes wrong, and at which step of the
// exchange. Steps are numbered as the exchange runs, the same in both directions:
//    1 CONNECT_REQ     2 CONNECT_ACK     3 CONNECT_RE_ACK   4 HEADER_REQ
//    5 header          6 HEADER_(N)ACK   7 HEADER_RCV_ACK   8 DATA_REQ
//    9 packet         10 DATA_(N)ACK    11 DATA_RCV_ACK    12 TERMINATE_REQ
//   13 TERMINATE_ACK
// Odd steps come from the side that holds the data, even ones from the side taking it.
// Steps 8-11 are hit at the first packet or at the final one.
#include <cstdint>

enum class Direction {
  Receive,  // the receiver sends its database to the PC
  Send,     // the PC sends its database to the receiver
};

enum class FaultKind {
  Lost,            // one byte of the unit never arrives
  Corrupt,         // one byte of the unit arrives damaged
  WrongCode,       // a valid code of another step arrives instead of the unit
  Junk,            // noise bytes arrive just before the unit
  Nack,            // the side taking the data rejects the unit once
  EarlyTerminate,  // the receiver ends the exchange instead of sending the unit
  Silence,         // from this unit on nothing crosses the line either way
};
inline constexpr int kFaultKindCount = 7;
inline constexpr int kStepCount = 13;

struct LineFault {
  int step = 0;             // 1..13; 0 means a clean line
  bool finalPacket = false;  // steps 8-11: the final packet rather than the first
  FaultKind kind = FaultKind::Lost;
};

// The side that holds the data speaks at odd steps.
inline bool DataSideSpeaks(int step) { return step % 2 == 1; }
// The receiver is the data side when the PC receives, the taking side when it sends.
inline bool ReceiverSpeaks(Direction d, int step) {
  return d == Direction::Receive ? DataSideSpeaks(step) : !DataSideSpeaks(step);
}

// Whether the fault means anything at the step: a NACK answers a header or packet
// (steps 6 and 10), and only the receiver can end the exchange early, at a step
// where it speaks, before its own final word.
bool Applies(Direction d, const LineFault& f);

const char* KindName(FaultKind k);
// "DATA_REQ", "header", ... for step 1..13.
const char* StepUnitName(int step);
