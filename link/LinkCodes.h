#pragma once
// The single-byte codes of the transfer exchange. The sending side holds the data (the
// receiver on "Receive from STB", the PC on "Send to STB"); the receiving side asks.
#include <cstdint>

namespace LinkCode {

inline constexpr std::uint8_t CONNECT_REQ = 0xE1;         // sending side: start a transfer
inline constexpr std::uint8_t CONNECT_ACK = 0xE2;         // receiving side: answers CONNECT_REQ
inline constexpr std::uint8_t HEADER_REQ = 0xE3;          // receiving side: send the header
inline constexpr std::uint8_t HEADER_ACK = 0xE4;          // receiving side: header accepted
inline constexpr std::uint8_t HEADER_NACK = 0xE5;         // receiving side: header rejected, asked again
inline constexpr std::uint8_t HEADER_RCV_ACK = 0xE6;      // sending side: answers HEADER_ACK and HEADER_NACK
inline constexpr std::uint8_t DATA_REQ = 0xE7;            // receiving side: send the next (or same) packet
inline constexpr std::uint8_t DATA_ACK = 0xE8;            // receiving side: packet accepted
inline constexpr std::uint8_t DATA_NACK = 0xE9;           // receiving side: packet rejected, asked again
inline constexpr std::uint8_t DATA_RCV_ACK = 0xEA;        // sending side: answers DATA_ACK and DATA_NACK
inline constexpr std::uint8_t TERMINATE_REQ = 0xEB;       // receiving side: all taken, end with success
inline constexpr std::uint8_t FAIL_TERMINATE_REQ = 0xEC;  // receiving side: end with failure
inline constexpr std::uint8_t TERMINATE_ACK = 0xED;       // sending side: answers either terminate request
inline constexpr std::uint8_t CONNECT_RE_ACK = 0xEF;      // sending side: confirms CONNECT_ACK

// Name of a code for logs ("CONNECT_REQ"), or nullptr for a byte that is no code.
constexpr const char* Name(std::uint8_t code) {
  switch (code) {
    case CONNECT_REQ: return "CONNECT_REQ";
    case CONNECT_ACK: return "CONNECT_ACK";
    case HEADER_REQ: return "HEADER_REQ";
    case HEADER_ACK: return "HEADER_ACK";
    case HEADER_NACK: return "HEADER_NACK";
    case HEADER_RCV_ACK: return "HEADER_RCV_ACK";
    case DATA_REQ: return "DATA_REQ";
    case DATA_ACK: return "DATA_ACK";
    case DATA_NACK: return "DATA_NACK";
    case DATA_RCV_ACK: return "DATA_RCV_ACK";
    case TERMINATE_REQ: return "TERMINATE_REQ";
    case FAIL_TERMINATE_REQ: return "FAIL_TERMINATE_REQ";
    case TERMINATE_ACK: return "TERMINATE_ACK";
    case CONNECT_RE_ACK: return "CONNECT_RE_ACK";
    default: return nullptr;
  }
}

}  // namespace LinkCode
