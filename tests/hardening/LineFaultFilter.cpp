#include "hardening/LineFaultFilter.h"

#include "link/DataPacket.h"
#include "link/LinkCodes.h"
#include "link/LinkHeader.h"

namespace {

// A damaged code that is still a code: one bit away, the likeliest confusion on a
// noisy line (DATA_ACK and DATA_NACK differ in their lowest bit).
std::uint8_t NearbyCode(std::uint8_t code) {
  for (std::uint8_t bit : {0x01, 0x02, 0x04}) {
    const auto other = static_cast<std::uint8_t>(code ^ bit);
    if (LinkCode::Name(other) != nullptr) return other;
  }
  return code;
}

// The byte a fault damages inside a header or packet: well inside the unit, so a lost
// one shifts what follows and a damaged one breaks a checksum.
std::size_t Middle(const std::vector<std::uint8_t>& unit) { return unit.size() / 2; }

}  // namespace

LineFaultFilter::LineFaultFilter(Direction direction, LineFault fault, std::uint32_t dataLength)
    : direction_(direction), fault_(fault), lastPacket_(DataPacket::LastIndex(dataLength)) {}

testkit::FarEnd::Filter LineFaultFilter::Filter() {
  return [this](std::vector<std::uint8_t>& unit, bool) { Pass(unit); };
}

int LineFaultFilter::StepOf(const std::vector<std::uint8_t>& unit) const {
  if (unit.size() == LinkHeader::kSize) return 5;
  if (unit.size() == DataPacket::kSize) return 9;
  if (unit.size() != 1) return 0;
  using namespace LinkCode;
  switch (unit[0]) {
    case CONNECT_REQ: return 1;
    case CONNECT_ACK: return 2;
    case CONNECT_RE_ACK: return 3;
    case HEADER_REQ: return 4;
    case HEADER_ACK:
    case HEADER_NACK: return 6;
    case HEADER_RCV_ACK: return 7;
    case DATA_REQ: return 8;
    case DATA_ACK:
    case DATA_NACK: return 10;
    case DATA_RCV_ACK: return 11;
    case TERMINATE_REQ:
    case FAIL_TERMINATE_REQ: return 12;
    case TERMINATE_ACK: return 13;
    default: return 0;
  }
}

void LineFaultFilter::Pass(std::vector<std::uint8_t>& unit) {
  if (cut_) {
    unit.clear();
    return;
  }
  if (++units_ > kUnitLimit) looping_.store(true, std::memory_order_release);
  const int step = StepOf(unit);
  // Which packet a data-phase unit belongs to, counted from the acknowledgements seen.
  std::uint32_t packet = dataAcks_;
  if (step == 10) {
    answered_ = dataAcks_;
    if (unit[0] == LinkCode::DATA_ACK) ++dataAcks_;
  } else if (step == 11) {
    packet = answered_;
  }
  const bool dataStep = step >= 8 && step <= 11;
  const bool aimed = !injected_ && step == fault_.step &&
                     (!dataStep || packet == (fault_.finalPacket ? lastPacket_ : 0));
  if (!aimed) return;
  // NACK and some early ends are the simulator's own faults, configured by the runner.
  const bool simFault = fault_.kind == FaultKind::Nack ||
                        (fault_.kind == FaultKind::EarlyTerminate && (step == 6 || step == 7 || step == 10 || step == 11));
  injected_ = true;
  if (simFault) return;

  using namespace LinkCode;
  const bool code = unit.size() == 1;
  switch (fault_.kind) {
    case FaultKind::Lost:
      unit.erase(unit.begin() + static_cast<std::ptrdiff_t>(code ? 0 : Middle(unit)));
      break;
    case FaultKind::Corrupt:
      // 0x10 takes every code out of the code table and breaks any checksum.
      unit[code ? 0 : Middle(unit)] ^= 0x10;
      break;
    case FaultKind::WrongCode:
      if (code) {
        unit[0] = NearbyCode(unit[0]);
      } else {
        // The sender skips the unit and answers as if it had gone.
        unit = {step == 5 ? HEADER_RCV_ACK : DATA_RCV_ACK};
      }
      break;
    case FaultKind::Junk:
      unit.insert(unit.begin(), {0x00, DataPacket::kStartByte, 0xFF});
      break;
    case FaultKind::EarlyTerminate:
      unit = {direction_ == Direction::Receive ? TERMINATE_ACK : FAIL_TERMINATE_REQ};
      break;
    case FaultKind::Silence:
      cut_ = true;
      unit.clear();
      break;
    case FaultKind::Nack:
      break;
  }
}
