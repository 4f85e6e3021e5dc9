#include "db/exchange/RecordJson.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "db/exchange/ImportTexts.h"
#include "db/records/Cp1252.h"
#include "db/records/TextFill.h"

namespace recordjson {
namespace {

using namespace ImportTexts;
using text::Fill;

std::string Key(std::string_view name, std::string_view suffix = {}) {
  std::string k(name);
  k += suffix;
  return k;
}

std::size_t TextLength(const std::uint8_t* p, std::size_t width) {
  std::size_t n = 0;
  while (n < width && p[n] != 0) ++n;
  return n;
}

// C0 controls, DEL, and the bytes the code page leaves undefined (read as C1 controls).
bool IsControl(std::uint8_t b) {
  return b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

bool HasControl(const std::uint8_t* p, std::size_t n) {
  return std::any_of(p, p + n, IsControl);
}

bool AllZero(const std::uint8_t* p, std::size_t n) {
  return std::all_of(p, p + n, [](std::uint8_t b) { return b == 0; });
}

std::string FieldList(std::span<const RecordField> listed) {
  std::string out;
  for (const RecordField& f : listed) out += (out.empty() ? "" : ", ") + std::string(f.name);
  return out;
}

// The element count the counted array holds, from the record's (already read) words.
std::size_t CountOf(const std::uint8_t* record, std::span<const RecordField> listed, const CountedArray& c,
                    const RecordField& array) {
  for (const RecordField& f : listed)
    if (f.name == c.count) return std::min<std::size_t>(field::Get(record, f), array.count);
  return array.count;
}

// What a field of `count` raw bytes must be given as.
std::string HexBytes(std::size_t count) {
  return Fill(kExpectedHexBytes, {std::to_string(count), std::to_string(2 * count)});
}

// A fault found below a field: the rest of its path ("" or "[3]") and the reason. Paths
// are put together only when something is refused, so a good import builds none.
struct Fault {
  std::string below;
  std::string reason;
};

std::optional<std::string> UnsignedFault(const Json& value, std::uint64_t max, std::uint64_t& out) {
  // Parsed text gives a non-negative integer as unsigned; a value set in code may be signed.
  const bool whole = value.is_number_unsigned() || (value.is_number_integer() && value.get<std::int64_t>() >= 0);
  if (whole && value.get<std::uint64_t>() <= max) {
    out = value.get<std::uint64_t>();
    return std::nullopt;
  }
  // A number written with a fraction of zero (256.0, 2.56e2) is that integer, as JSON
  // Schema's "integer" has it; 256.5 is not.
  if (value.is_number_float()) {
    const double d = value.get<double>();
    if (d >= 0 && d <= static_cast<double>(max) && std::floor(d) == d) {
      out = static_cast<std::uint64_t>(d);
      return std::nullopt;
    }
  }
  return Got(Fill(kExpectedInteger, {std::to_string(max)}), value);
}

std::optional<std::string> TextFault(const Json& value, std::uint8_t* p, std::size_t width, std::size_t& length) {
  if (!value.is_string()) return Got(kExpectedText, value);
  char32_t bad = 0;
  const std::optional<std::string> bytes = cp1252::FromUtf8(value.get_ref<const std::string&>(), &bad);
  if (!bytes) {
    char cp[16];
    std::snprintf(cp, sizeof cp, "U+%04X", static_cast<unsigned>(bad));
    return Fill(kNotCp1252, {cp});
  }
  if (bytes->find('\0') != std::string::npos) return std::string(kTextWithNul);
  if (HasControl(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()))
    return Fill(kTextWithControl, {std::string(kBytesSuffix)});
  if (bytes->size() > width)
    return Fill(kGot, {Fill(kExpectedAtMostCharacters, {std::to_string(width)}), std::to_string(bytes->size())});
  std::memset(p, 0, width);
  std::memcpy(p, bytes->data(), bytes->size());
  length = bytes->size();
  return std::nullopt;
}

std::optional<std::string> TailFault(const Json& tail, std::uint8_t* p, std::size_t width, std::size_t length) {
  const std::size_t room = length < width ? width - length - 1 : 0;
  const std::string what = Fill(kExpectedTail, {std::to_string(room), std::to_string(2 * room)});
  if (!tail.is_string()) return Got(what, tail);
  const std::optional<std::string> raw = FromHex(tail.get_ref<const std::string&>());
  if (!raw || raw->size() != room) return Got(what, tail);
  std::memcpy(p + length + 1, raw->data(), raw->size());
  return std::nullopt;
}

// `exact` elements, or at most `most` when exact is npos.
std::optional<Fault> ElementsFault(const Json& value, std::size_t exact, std::size_t most, std::uint8_t* p) {
  const std::string what = exact != std::string::npos ? Fill(kExpectedSlots, {std::to_string(exact)})
                                                       : Fill(kExpectedAtMostSlots, {std::to_string(most)});
  if (!value.is_array()) return Fault{"", Got(what, value)};
  if (exact != std::string::npos ? value.size() != exact : value.size() > most)
    return Fault{"", Fill(kGot, {what, std::to_string(value.size())})};
  for (std::size_t i = 0; i < value.size(); ++i) {
    std::uint64_t v = 0;
    if (auto r = UnsignedFault(value[i], 0xFFFF, v)) return Fault{"[" + std::to_string(i) + "]", *r};
    bytes::StoreU16(p + 2 * i, static_cast<std::uint16_t>(v));
  }
  return std::nullopt;
}

}  // namespace

std::string ToHex(const std::uint8_t* data, std::size_t size) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out(2 * size, '0');
  for (std::size_t i = 0; i < size; ++i) {
    out[2 * i] = kDigits[data[i] >> 4];
    out[2 * i + 1] = kDigits[data[i] & 15];
  }
  return out;
}

std::optional<std::string> FromHex(std::string_view hex) {
  if (hex.size() % 2 != 0) return std::nullopt;
  auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  std::string out(hex.size() / 2, '\0');
  for (std::size_t i = 0; i < out.size(); ++i) {
    const int hi = digit(hex[2 * i]), lo = digit(hex[2 * i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out[i] = static_cast<char>(hi * 16 + lo);
  }
  return out;
}

std::string Describe(const Json& value) {
  switch (value.type()) {
    case Json::value_t::string: {
      const std::string& s = value.get_ref<const std::string&>();
      if (s.size() > 40) return Fill(kLongString, {std::to_string(s.size())});
      return value.dump(-1, ' ', false, Json::error_handler_t::replace);
    }
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float:
    case Json::value_t::boolean:
      return value.dump();
    case Json::value_t::null: return kNull;
    case Json::value_t::array: return kAnArray;
    case Json::value_t::object: return kAnObject;
    default: return kSomethingElse;
  }
}

std::string Got(const std::string& expected, const Json& value) { return Fill(kGot, {expected, Describe(value)}); }

std::optional<JsonRefusal> ReadUnsigned(const Json& value, const std::string& path, std::uint64_t max,
                                        std::uint64_t& out) {
  if (auto r = UnsignedFault(value, max, out)) return JsonRefusal{path, *r};
  return std::nullopt;
}

Json Export(const std::uint8_t* record, std::span<const RecordField> listed, const CountedArray* counted) {
  Json obj = Json::object();
  for (const RecordField& f : listed) {
    const std::uint8_t* p = record + f.offset;
    switch (f.kind) {
      case FieldKind::Word:
        obj.emplace(Key(f.name), field::Get(record, f));
        break;
      case FieldKind::Text: {
        const std::size_t n = TextLength(p, f.count);
        if (HasControl(p, n)) {
          obj.emplace(Key(f.name, kBytesSuffix), ToHex(p, f.count));
          break;
        }
        obj.emplace(Key(f.name), cp1252::ToUtf8(std::string_view(reinterpret_cast<const char*>(p), n)));
        if (n + 1 < f.count && !AllZero(p + n + 1, f.count - n - 1))
          obj.emplace(Key(f.name, kTailSuffix), ToHex(p + n + 1, f.count - n - 1));
        break;
      }
      case FieldKind::Raw:
        obj.emplace(Key(f.name), ToHex(p, f.count));
        break;
      case FieldKind::Array: {
        const bool isCounted = counted && counted->array == f.name;
        const std::size_t n = isCounted ? CountOf(record, listed, *counted, f) : f.count;
        Json items = Json::array();
        for (std::size_t i = 0; i < n; ++i) items.push_back(bytes::LoadU16(p + 2 * i));
        obj.emplace(Key(f.name), std::move(items));
        std::size_t end = f.count;
        while (end > n && bytes::LoadU16(p + 2 * (end - 1)) == 0) --end;
        if (end > n) {
          Json after = Json::array();
          for (std::size_t i = n; i < end; ++i) after.push_back(bytes::LoadU16(p + 2 * i));
          obj.emplace(Key(f.name, kAfterCountSuffix), std::move(after));
        }
        break;
      }
    }
  }
  return obj;
}

std::optional<JsonRefusal> Import(const Json& object, const std::string& path, std::uint8_t* record,
                                  std::span<const RecordField> listed, const CountedArray* counted) {
  if (!object.is_object()) return JsonRefusal{path, Got(kExpectedObject, object)};
  auto at = [&](std::string_view name, std::string_view below = {}) {
    return path + "." + std::string(name) + std::string(below);
  };
  // Sort the object's members onto the fields: each key is a field, a name's tail or a
  // counted array's remainder; anything else is refused.
  constexpr std::size_t kMaxFields = 32;
  if (listed.size() > kMaxFields) return JsonRefusal{path, kFewerFields};
  const Json* value[kMaxFields] = {};
  const Json* extra[kMaxFields] = {};  // tail or after-count
  const Json* whole[kMaxFields] = {};  // a name's bytes in hex
  for (const auto& [key, v] : object.items()) {
    bool known = false;
    for (std::size_t i = 0; i < listed.size() && !known; ++i) {
      const RecordField& f = listed[i];
      if (key.size() < f.name.size() || std::string_view(key).substr(0, f.name.size()) != f.name) continue;
      const std::string_view rest = std::string_view(key).substr(f.name.size());
      if (rest.empty()) {
        value[i] = &v, known = true;
      } else if (f.kind == FieldKind::Text && rest == kBytesSuffix) {
        whole[i] = &v, known = true;
      } else if ((f.kind == FieldKind::Text && rest == kTailSuffix) ||
                 (f.kind == FieldKind::Array && counted && counted->array == f.name && rest == kAfterCountSuffix)) {
        extra[i] = &v, known = true;
      }
    }
    if (!known) return JsonRefusal{path + "." + key, Fill(kUnknownField, {FieldList(listed)})};
  }
  for (std::size_t i = 0; i < listed.size(); ++i) {
    if (whole[i] && (value[i] || extra[i]))
      return JsonRefusal{at(listed[i].name, kBytesSuffix),
                         kTextAndBytes};
    if (!value[i] && !whole[i]) return JsonRefusal{at(listed[i].name), kMissingField};
  }

  // Words first: a counted array needs its count.
  for (std::size_t i = 0; i < listed.size(); ++i) {
    const RecordField& f = listed[i];
    std::uint8_t* p = record + f.offset;
    switch (f.kind) {
      case FieldKind::Word: {
        std::uint64_t v = 0;
        if (auto r = UnsignedFault(*value[i], f.Mask() >> f.lo, v)) return JsonRefusal{at(f.name), *r};
        field::Set(record, f, static_cast<std::uint32_t>(v));
        break;
      }
      case FieldKind::Text: {
        if (whole[i]) {
          const std::optional<std::string> raw =
              whole[i]->is_string() ? FromHex(whole[i]->get_ref<const std::string&>()) : std::nullopt;
          if (!raw || raw->size() != f.count)
            return JsonRefusal{at(f.name, kBytesSuffix), Got(HexBytes(f.count), *whole[i])};
          std::memcpy(p, raw->data(), raw->size());
          break;
        }
        std::size_t length = 0;
        if (auto r = TextFault(*value[i], p, f.count, length)) return JsonRefusal{at(f.name), *r};
        if (extra[i])
          if (auto r = TailFault(*extra[i], p, f.count, length)) return JsonRefusal{at(f.name, kTailSuffix), *r};
        break;
      }
      case FieldKind::Raw: {
        const std::optional<std::string> raw =
            value[i]->is_string() ? FromHex(value[i]->get_ref<const std::string&>()) : std::nullopt;
        if (!raw || raw->size() != f.count)
          return JsonRefusal{at(f.name), Got(HexBytes(f.count), *value[i])};
        std::memcpy(p, raw->data(), raw->size());
        break;
      }
      case FieldKind::Array:
        break;
    }
  }
  for (std::size_t i = 0; i < listed.size(); ++i) {
    const RecordField& f = listed[i];
    if (f.kind != FieldKind::Array) continue;
    std::uint8_t* p = record + f.offset;
    std::memset(p, 0, f.Size());
    const bool isCounted = counted && counted->array == f.name;
    const std::size_t n = isCounted ? CountOf(record, listed, *counted, f) : f.count;
    if (auto r = ElementsFault(*value[i], n, n, p)) {
      if (isCounted && r->below.empty()) r->reason = Fill(kAsManyAs, {r->reason, std::string(counted->count)});
      return JsonRefusal{at(f.name, r->below), r->reason};
    }
    if (extra[i])
      if (auto r = ElementsFault(*extra[i], std::string::npos, f.count - n, p + 2 * n))
        return JsonRefusal{at(f.name, std::string(kAfterCountSuffix) + r->below), r->reason};
  }
  return std::nullopt;
}

}  // namespace recordjson
