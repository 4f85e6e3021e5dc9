#include "cli/CliCommon.h"

#include <iostream>

#include "db/Cp1252.h"
#include "db/DbType.h"

namespace cli {

void AddTypeOption(CLI::App* sub, int& dbType) {
  dbType = dbtype::kDefault;
  sub->add_option("--type", dbType,
                  "the receiver's database variant, as chosen in the editor's \"Config Setting\": "
                  "0 TypeA, 1 TypeB 7 Block Size, 2 TypeB 6 Block Size, 3 TypeC")
      ->type_name("N")
      ->check(CLI::Range(0, dbtype::kCount - 1))
      ->capture_default_str();
}

int Fail(const std::string& what) {
  std::cerr << "quelmar-cli: " << what << '\n';
  return kExitFailed;
}

std::string ToUtf8(const std::string& bytes) {
  std::string out;
  for (const char c : bytes) {
    const char32_t cp = cp1252::Decode(static_cast<std::uint8_t>(c));
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

}  // namespace cli
