#include "tools/stbsim/StbsimOptions.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

const char* const kStbsimUsage =
    "usage: stbsim serve IMAGE [options]   send IMAGE when the PC asks to receive\n"
    "       stbsim accept OUT [options]    take the image the PC sends and write it to OUT\n"
    "\n"
    "line:\n"
    "  --device PATH            use this serial device (default: a new pseudo-terminal,\n"
    "                           whose path is printed as the first line on stdout)\n"
    "  --baud N                 line speed (default 115200)\n"
    "  --pace                   make every byte cost its 8N1 line time at --baud\n"
    "  --log FILE               log every unit on the line to FILE (default stderr)\n"
    "  --quiet                  no log\n"
    "  --timeout SEC            give up after SEC seconds (default 600, 0 = never)\n"
    "  --connect-interval MS    serve: CONNECT_REQ repeat interval (default 200)\n"
    "  --block-timeout MS       accept: give up an unfinished header/packet (default 2000)\n"
    "  --save-delay MS          accept: time spent saving before TERMINATE_REQ (default 0)\n"
    "faults (P is a packet number from 0, or 'header'; K a count):\n"
    "  --bad-magic K            serve: the first K headers carry a wrong magic\n"
    "  --bad-header-sum         serve: the first right-magic header has a wrong headerSum\n"
    "  --corrupt-packet P[:K]   serve: packet P goes out damaged (K times, default 1)\n"
    "  --bad-start-packet P[:K] serve: packet P goes out starting 0x48 (K times)\n"
    "  --early-terminate-ack P  serve: TERMINATE_ACK instead of the acknowledgement of P\n"
    "  --nack-header K          accept: the first K good headers are answered HEADER_NACK\n"
    "  --nack-packet P[:K]      accept: good packet P is answered DATA_NACK (K times)\n"
    "  --fail-terminate P       accept: FAIL_TERMINATE_REQ answers P\n"
    "  --silent-after N         send nothing after N units (codes, headers, packets)\n"
    "  --junk N                 N junk bytes before every code sent\n";

namespace {

bool ParseLong(const std::string& text, long min, long& out) {
  if (text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || v < min) return false;
  out = v;
  return true;
}

// "P" or "P:K" where P is a packet number or "header".
bool ParsePoint(const std::string& text, bool allowHeader, long& point, int* times) {
  const std::size_t colon = text.find(':');
  const std::string where = text.substr(0, colon);
  if (allowHeader && where == "header") {
    point = SimFaults::kAtHeader;
  } else if (!ParseLong(where, 0, point)) {
    return false;
  }
  if (colon == std::string::npos) return true;
  long k = 0;
  if (times == nullptr || !ParseLong(text.substr(colon + 1), 1, k) || k > 1000000) return false;
  *times = static_cast<int>(k);
  return true;
}

bool ParseCount(const std::string& text, int& out) {
  long v = 0;
  if (!ParseLong(text, 0, v) || v > 1000000) return false;
  out = static_cast<int>(v);
  return true;
}

}  // namespace

bool ParseStbsimOptions(int argc, char** argv, StbsimOptions& o, std::string& error) {
  if (argc < 3) {
    error = "a mode and a file are needed";
    return false;
  }
  const std::string mode = argv[1];
  if (mode == "serve") {
    o.role = SimRole::Serve;
  } else if (mode == "accept") {
    o.role = SimRole::Accept;
  } else {
    error = "unknown mode '" + mode + "'";
    return false;
  }
  o.file = argv[2];
  for (int i = 3; i < argc; ++i) {
    const std::string opt = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    std::string v;
    long n = 0;
    bool ok = true;
    if (opt == "--pace") {
      o.pace = true;
    } else if (opt == "--quiet") {
      o.quiet = true;
    } else if (opt == "--bad-header-sum") {
      o.faults.badHeaderSum = true;
    } else if (!value(v)) {
      ok = false;
    } else if (opt == "--device") {
      o.device = v;
    } else if (opt == "--baud") {
      ok = ParseLong(v, 1, n);
      o.baud = static_cast<int>(n);
    } else if (opt == "--log") {
      o.logFile = v;
    } else if (opt == "--timeout") {
      ok = ParseLong(v, 0, o.timeoutSeconds);
    } else if (opt == "--connect-interval" || opt == "--block-timeout" || opt == "--save-delay") {
      ok = ParseLong(v, 0, n);
      auto ms = static_cast<std::uint64_t>(n);
      if (opt == "--connect-interval") o.timing.connectIntervalMs = ms == 0 ? 1 : ms;
      if (opt == "--block-timeout") o.timing.blockTimeoutMs = ms == 0 ? 1 : ms;
      if (opt == "--save-delay") o.timing.saveDelayMs = ms;
    } else if (opt == "--bad-magic") {
      ok = ParseCount(v, o.faults.badMagicHeaders);
    } else if (opt == "--corrupt-packet") {
      ok = ParsePoint(v, false, o.faults.corruptPacket, &o.faults.corruptTimes);
    } else if (opt == "--bad-start-packet") {
      ok = ParsePoint(v, false, o.faults.badStartPacket, &o.faults.badStartTimes);
    } else if (opt == "--early-terminate-ack") {
      ok = ParsePoint(v, true, o.faults.earlyTerminateAck, nullptr);
    } else if (opt == "--nack-header") {
      ok = ParseCount(v, o.faults.nackHeaders);
    } else if (opt == "--nack-packet") {
      ok = ParsePoint(v, false, o.faults.nackPacket, &o.faults.nackTimes);
    } else if (opt == "--fail-terminate") {
      ok = ParsePoint(v, true, o.faults.failTerminate, nullptr);
    } else if (opt == "--silent-after") {
      ok = ParseLong(v, 0, o.faults.silentAfterUnits);
    } else if (opt == "--junk") {
      ok = ParseCount(v, o.faults.junkBytes);
    } else {
      error = "unknown option '" + opt + "'";
      return false;
    }
    if (!ok) {
      error = "bad or missing value for '" + opt + "'";
      return false;
    }
  }
  return true;
}
