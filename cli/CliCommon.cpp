#include "cli/CliCommon.h"

#include <cstdio>
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
  std::cerr << "quelmar-cli: " << EscapeControls(what) << '\n';
  return kExitFailed;
}

std::string EscapeControls(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  char hex[8];
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 || c == 0x7F) {
      std::snprintf(hex, sizeof hex, "\\x%02x", c);
      out += hex;
    } else if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
               static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
      // U+0080..U+009F: the eight-bit controls, CSI among them.
      std::snprintf(hex, sizeof hex, "\\u%04x", static_cast<unsigned char>(text[i + 1]));
      out += hex;
      ++i;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string ToUtf8(const std::string& bytes) { return cp1252::ToUtf8(bytes); }

}  // namespace cli
