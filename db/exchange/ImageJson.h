#pragma once
// A whole database image as JSON, without loss: the header, every slot of every table
// with every field by name (Deleted and Empty slots too), the lists and the groups, the
// trailer and extra words, and what the image holds beyond the database (stale checksum
// words, bytes outside the sections that a fresh build would not write). Importing an
// export rebuilds the image byte for byte. docs/database.schema.json describes it.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "db/exchange/JsonRefusal.h"
#include "db/records/DbType.h"

namespace imagejson {

using Json = nlohmann::ordered_json;

inline constexpr std::string_view kFormat = "quelmar-database";
inline constexpr int kFormatVersion = 1;

// The image (kImageSize bytes) read under the DbType.
Json Export(const std::uint8_t* image, int dbType);

// The text of an export: one field of the header or a list a line, one record a line.
std::string Dump(const Json& json);

struct Imported {
  int dbType = dbtype::kDefault;
  std::vector<std::uint8_t> image;  // kImageSize bytes
};

// Rebuilds the image an export describes; a refusal names the first place that does not
// fit, and `out` is then untouched.
std::optional<JsonRefusal> Import(const Json& json, Imported& out);

// Parses the text as JSON, bounded as db/exchange/BoundedJsonParser.h describes; a refusal
// gives the path, and for malformed text the line and column, of the first fault.
std::optional<JsonRefusal> Parse(std::string_view text, Json& out);
// The same, reading the stream to its end.
std::optional<JsonRefusal> Parse(std::FILE* stream, Json& out);

}  // namespace imagejson
