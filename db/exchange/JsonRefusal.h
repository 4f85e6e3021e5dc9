#pragma once
// Why a JSON document was refused: where in it (a JSON path such as
// "$.programs[12].videoPid") and what was expected there, in words.
#include <string>

struct JsonRefusal {
  std::string path;
  std::string reason;  // "expected an integer from 0 to 65535, got -1"
  std::string Message() const { return path + ": " + reason; }
};
