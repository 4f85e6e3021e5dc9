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

#include "db/exchange/JsonRefusal.h"

namespace boundedjson {

using Json = nlohmann::ordered_json;

// A full export (every slot used, every name's tail and stray byte set) is about
// 2.6 MB of text: 122,000 values, arrays of at most 4000 items, objects of at most 20
// members, 1.7 MB of names and text.
struct Limits {
  std::size_t depth = 8;                  // our export needs four levels
  std::size_t arrayItems = 4096;          // the longest table has 4000 slots
  std::size_t objectMembers = 48;         // a record has at most 32 fields, tails included
  std::size_t stringBytes = 1 << 20;      // the image's other bytes as hex fit
  std::size_t values = 200000;            // 1.6 times a full export
  std::size_t totalStringBytes = 4 << 20; // field names and text together
};

// Parses the whole text (a UTF-8 byte order mark at its start is skipped).
std::optional<JsonRefusal> Parse(std::string_view text, Json& out, const Limits& limits = {});
// The same, reading the stream to its end.
std::optional<JsonRefusal> Parse(std::FILE* stream, Json& out, const Limits& limits = {});

}  // namespace boundedjson
