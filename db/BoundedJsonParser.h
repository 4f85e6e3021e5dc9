#pragma once
// Turns JSON text into a document without trusting it: the depth, the size of every
// array, object and string and the number of values are bounded while the text is
// read, before anything deeper or larger is built, so no file can exhaust the stack or
// the memory. A key given twice in one object is refused. Every exception the JSON
// library can throw is caught here; a refusal names the place (a JSON path such as
// "$.programs[12].name") and what was wrong there.
#include <cstddef>
#include <cstdio>
#include <optional>
#include <string_view>

#include <nlohmann/json.hpp>

#include "db/JsonRefusal.h"

namespace boundedjson {

using Json = nlohmann::ordered_json;

struct Limits {
  std::size_t depth = 8;              // our export needs four levels
  std::size_t arrayItems = 8192;      // the longest table has 4000 slots
  std::size_t objectMembers = 64;     // a record has at most 32 fields, tails included
  std::size_t stringBytes = 1 << 20;  // the image's other bytes as hex fit twice over
  std::size_t values = 400000;        // a full export holds about 160,000
  std::size_t totalStringBytes = 8 << 20;
};

// Parses the whole text (a UTF-8 byte order mark at its start is skipped).
std::optional<JsonRefusal> Parse(std::string_view text, Json& out, const Limits& limits = {});
// The same, reading the stream to its end.
std::optional<JsonRefusal> Parse(std::FILE* stream, Json& out, const Limits& limits = {});

}  // namespace boundedjson
