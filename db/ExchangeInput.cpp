#include "db/ExchangeInput.h"

#include <cstdint>
#include <vector>

#include "db/FileIo.h"
#include "db/TextFill.h"

namespace exchangeinput {

namespace {
constexpr const char* kCannotRead = "cannot read %1: %2";
constexpr const char* kTooLarge = "%1: larger than %2 MiB; no export is that large";
}  // namespace

std::optional<std::string> Read(const std::string& path, std::string& text) {
  std::vector<std::uint8_t> bytes;
  const fileio::IoResult r = fileio::ReadPrefix(path, kMaxBytes + 1, bytes);
  if (!r.ok) return fileio::Describe(r, path, kCannotRead);
  if (bytes.size() > kMaxBytes) return text::Fill(kTooLarge, {path, std::to_string(kMaxBytes >> 20)});
  text.assign(bytes.begin(), bytes.end());
  return std::nullopt;
}

}  // namespace exchangeinput
