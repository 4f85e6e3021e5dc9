#include "db/records/TextArgs.h"

std::string FillArgs(const std::string& text, const std::string& a1, const std::string& a2) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
      out += text[i + 1] == '1' ? a1 : a2;
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}
