#pragma once
// One record as a JSON object with every listed field by its name, and back. Words are
// numbers; a name is its text in UTF-8, with the bytes after its NUL as "<name>Tail"
// (hex) when they are not all zero; a name holding control characters (which no text
// may hold: they would move a terminal's cursor or break a line) is the whole field as
// "<name>Bytes" (hex) instead; a raw field is hex; a counted array (a list's
// entries, a group's members) holds its counted elements, and those after the count as
// "<array>AfterCount" without their trailing zeros. Reading back refuses anything that
// would not give the record's bytes exactly: a wrong type, a value beyond the field's
// bits, an unknown or a missing field.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "db/exchange/JsonRefusal.h"
#include "db/records/RecordField.h"

namespace recordjson {

using Json = nlohmann::ordered_json;

inline constexpr std::string_view kTailSuffix = "Tail";
inline constexpr std::string_view kAfterCountSuffix = "AfterCount";
inline constexpr std::string_view kBytesSuffix = "Bytes";

// An array field whose element count another field of the record holds.
struct CountedArray {
  std::string_view array;
  std::string_view count;
};

// The counted arrays of the database: a list's entries and a group's members.
inline constexpr CountedArray kListEntries{"entries", "count"};
inline constexpr CountedArray kGroupMembers{"members", "memberCount"};

Json Export(const std::uint8_t* record, std::span<const RecordField> listed, const CountedArray* counted = nullptr);

// Fills `record` (all of its listed bytes) from the object at `path`.
std::optional<JsonRefusal> Import(const Json& object, const std::string& path, std::uint8_t* record,
                                  std::span<const RecordField> listed, const CountedArray* counted = nullptr);

// Lower-case hex of the bytes, and back (nothing when the text is not hex).
std::string ToHex(const std::uint8_t* data, std::size_t size);
std::optional<std::string> FromHex(std::string_view hex);

// The JSON value's kind in words, for refusals: "a string", "an array"...
std::string Describe(const Json& value);
// A refusal's reason: what was expected there, then what was found ("..., got null").
std::string Got(const std::string& expected, const Json& value);

// An unsigned integer of at most `max`, or a refusal saying so.
std::optional<JsonRefusal> ReadUnsigned(const Json& value, const std::string& path, std::uint64_t max,
                                        std::uint64_t& out);

}  // namespace recordjson
