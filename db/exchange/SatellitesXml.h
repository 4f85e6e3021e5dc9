#pragma once
// A transponder list as receivers and web sites share it (satellites.xml):
//
//   <satellites>
//     <sat name="19.2E Astra 1KR/1L/1M/1N" flags="0" position="192">
//       <transponder frequency="10714250" symbol_rate="22000000" polarization="0" .../>
//     </sat>
//   </satellites>
//
// position in tenths of a degree (east positive), frequency in kHz, symbol_rate in
// symbols per second, polarization 0 horizontal, 1 vertical, 2 circular left,
// 3 circular right. Other attributes and elements are ignored.
//
// The file comes from anywhere, so it is read with bounds: its size, the nesting of its
// elements, the satellites and transponders it holds. A document type that declares an
// entity is refused at the declaration, before anything could expand it. A refusal
// names the line.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exchangeinput {
class Input;
}

namespace satxml {

// The largest lists published hold a few thousand satellites' worth of transponders in
// two or three MB; these leave room several times over.
inline constexpr std::uint64_t kMaxBytes = std::uint64_t(16) << 20;
inline constexpr std::size_t kMaxSatellites = 4096;
inline constexpr std::size_t kMaxTransponders = 65536;
inline constexpr int kMaxDepth = 16;

// polarization values of the list (not those of the receiver's records)
inline constexpr int kHorizontal = 0;
inline constexpr int kVertical = 1;
inline constexpr int kCircularLeft = 2;
inline constexpr int kCircularRight = 3;

struct Transponder {
  std::uint32_t frequency = 0;   // kHz
  std::uint32_t symbolRate = 0;  // symbols per second
  int polarization = kHorizontal;
  int line = 0;
};

struct Satellite {
  std::string name;  // UTF-8, as the file has it
  int position = 0;  // tenths of a degree, east positive
  int line = 0;
  std::vector<Transponder> transponders;
};

struct List {
  std::vector<Satellite> satellites;
  // The first satellite at `position`, or -1.
  int Find(int position) const;
  std::size_t TransponderCount() const;
};

struct Refusal {
  int line = 0;
  std::string reason;
  std::string Message() const;  // "line 3: <reason>"
};

// Reads a whole list; on a refusal `out` is left empty.
std::optional<Refusal> Read(std::string_view text, List& out);
// The same from a stream, a piece at a time; more than kMaxBytes is refused.
std::optional<Refusal> Read(std::FILE* stream, List& out);
// Opens the list at `path` for Read; a file larger than kMaxBytes is refused before a
// byte is read. Otherwise the reason, naming the file.
std::optional<std::string> Open(const std::string& path, exchangeinput::Input& in);

}  // namespace satxml
