#include "hardening/LineFault.h"

bool Applies(Direction d, const LineFault& f) {
  switch (f.kind) {
    case FaultKind::Nack: return f.step == 6 || f.step == 10;
    case FaultKind::EarlyTerminate: return ReceiverSpeaks(d, f.step) && f.step != 13;
    default: return true;
  }
}

const char* KindName(FaultKind k) {
  switch (k) {
    case FaultKind::Lost: return "lost";
    case FaultKind::Corrupt: return "corrupt";
    case FaultKind::WrongCode: return "wrong code";
    case FaultKind::Junk: return "junk";
    case FaultKind::Nack: return "NACK";
    case FaultKind::EarlyTerminate: return "early end";
    case FaultKind::Silence: return "silence";
  }
  return "?";
}

const char* StepUnitName(int step) {
  static const char* const kNames[kStepCount + 1] = {
      "clean line",     "CONNECT_REQ",    "CONNECT_ACK", "CONNECT_RE_ACK", "HEADER_REQ",
      "header",         "HEADER_ACK",     "HEADER_RCV_ACK", "DATA_REQ",    "packet",
      "DATA_ACK",       "DATA_RCV_ACK",   "TERMINATE_REQ",  "TERMINATE_ACK"};
  return step >= 0 && step <= kStepCount ? kNames[step] : "?";
}
