#include "db/exchange/BoundedJsonParser.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <iterator>
#include <new>
#include <string>
#include <vector>

#include "db/exchange/ImportTexts.h"
#include "db/records/TextFill.h"

namespace boundedjson {
namespace {

using namespace ImportTexts;
using text::Fill;

constexpr std::size_t kMaxKeyBytes = 64;

// A key as a path shows it: control characters written as \u00XX.
std::string PathKey(const std::string& key) {
  std::string out;
  for (const char c : key) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) {
      char esc[8];
      std::snprintf(esc, sizeof esc, "\\u%04X", b);
      out += esc;
    } else {
      out += c;
    }
  }
  return out;
}

// The library's message without its "[json.exception.parse_error.101] " tag.
std::string LibraryReason(const std::exception& e) {
  std::string what = e.what();
  if (what.rfind("[json.exception.", 0) == 0)
    if (const auto end = what.find("] "); end != std::string::npos) what = what.substr(end + 2);
  return what;
}

// Builds the document as the library's own DOM builder does, refusing at the first
// value that breaks a limit; returning false stops the parser at once.
class Builder {
 public:
  using number_integer_t = Json::number_integer_t;
  using number_unsigned_t = Json::number_unsigned_t;
  using number_float_t = Json::number_float_t;
  using string_t = Json::string_t;
  using binary_t = Json::binary_t;

  Builder(Json& root, const Limits& limits) : root_(root), limits_(limits) {}

  std::optional<JsonRefusal> refusal;

  bool null() { return Add(Json(nullptr)); }
  bool boolean(bool v) { return Add(Json(v)); }
  bool number_integer(number_integer_t v) { return Add(Json(v)); }
  bool number_unsigned(number_unsigned_t v) { return Add(Json(v)); }
  bool number_float(number_float_t v, const string_t&) { return Add(Json(v)); }
  bool string(string_t& v) {
    if (v.size() > limits_.stringBytes)
      return Refuse(HerePath(), Fill(kStringTooLong, {std::to_string(v.size()), std::to_string(limits_.stringBytes)}));
    if (!CountText(v.size())) return false;
    return Add(Json(std::move(v)));
  }
  bool binary(binary_t&) { return Refuse(HerePath(), kBinary); }

  bool start_object(std::size_t) { return Open(Json::object()); }
  bool start_array(std::size_t) { return Open(Json::array()); }
  bool end_object() { return Close(); }
  bool end_array() { return Close(); }

  bool key(string_t& k) {
    Frame& f = frames_.back();
    if (k.size() > kMaxKeyBytes)
      return Refuse(TopPath(), Fill(kKeyTooLong, {std::to_string(k.size())}));
    if (f.node->size() >= limits_.objectMembers)
      return Refuse(TopPath(), Fill(kTooManyMembers, {std::to_string(limits_.objectMembers)}));
    if (f.node->contains(k)) return Refuse(TopPath() + "." + PathKey(k), kGivenTwice);
    if (!CountText(k.size())) return false;
    f.key = std::move(k);
    f.hasKey = true;
    return true;
  }

  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) {
    if (!refusal) refusal = JsonRefusal{HerePath(), Fill(kNotJsonBecause, {LibraryReason(e)})};
    return false;
  }

 private:
  struct Frame {
    Json* node;
    std::string key;      // in an object: the member last named
    bool hasKey = false;  // whose value is still to come
  };

  bool Refuse(std::string path, std::string reason) {
    if (!refusal) refusal = JsonRefusal{std::move(path), std::move(reason)};
    return false;
  }

  // The path of the container at the top.
  std::string TopPath() const {
    std::string path = "$";
    for (std::size_t i = 0; i + 1 < frames_.size(); ++i) path += Step(i);
    return path;
  }
  // What frame i adds to the path: below the top, the child being built (placed last);
  // at the top, the value about to be read.
  std::string Step(std::size_t i) const {
    const Frame& f = frames_[i];
    const bool top = i + 1 == frames_.size();
    if (f.node->is_array()) return "[" + std::to_string(top ? f.node->size() : f.node->size() - 1) + "]";
    return !top || f.hasKey ? "." + PathKey(f.key) : "";
  }
  // The path of the value being read now.
  std::string HerePath() const {
    std::string path = "$";
    for (std::size_t i = 0; i < frames_.size(); ++i) path += Step(i);
    return path;
  }

  bool CountText(std::size_t bytes) {
    stringBytes_ += bytes;
    if (stringBytes_ > limits_.totalStringBytes)
      return Refuse(HerePath(), Fill(kTooMuchText, {std::to_string(limits_.totalStringBytes >> 20)}));
    return true;
  }

  bool Counted() {
    if (++values_ > limits_.values)
      return Refuse(HerePath(), Fill(kTooManyValues, {std::to_string(limits_.values)}));
    if (!frames_.empty()) {
      const Frame& f = frames_.back();
      if (f.node->is_array() && f.node->size() >= limits_.arrayItems)
        return Refuse(HerePath(), Fill(kArrayTooLong, {std::to_string(limits_.arrayItems)}));
    }
    return true;
  }

  // Puts a value where the parser is and returns where it landed.
  Json* Place(Json&& v) {
    if (frames_.empty()) {
      root_ = std::move(v);
      return &root_;
    }
    Frame& f = frames_.back();
    if (f.node->is_array()) {
      f.node->push_back(std::move(v));
      return &f.node->back();
    }
    f.hasKey = false;
    return &f.node->get_ref<Json::object_t&>().emplace(f.key, std::move(v)).first->second;
  }

  bool Add(Json&& v) {
    if (!Counted()) return false;
    Place(std::move(v));
    return true;
  }

  bool Open(Json&& container) {
    if (frames_.size() >= limits_.depth)
      return Refuse(HerePath(), Fill(kTooDeep, {std::to_string(limits_.depth)}));
    if (!Counted()) return false;
    Json* node = Place(std::move(container));
    frames_.push_back(Frame{node, {}, false});
    return true;
  }

  bool Close() {
    frames_.pop_back();
    return true;
  }

  Json& root_;
  const Limits& limits_;
  std::vector<Frame> frames_;
  std::size_t values_ = 0;
  std::size_t stringBytes_ = 0;
};

// Reads a stream for the parser a byte at a time and ends it early when a string or
// another token runs longer than the limit: the parser gathers a whole token before it
// hands it on, so without this one huge string would cost its length in memory.
class CappedStream {
 public:
  CappedStream(std::FILE* stream, std::size_t limit) : stream_(stream), limit_(limit) {}

  bool cut = false;
  // The line of a NUL byte, which the parser would take for the end of the text; 0 when
  // none came. The stream ends there.
  int nulLine = 0;

  int Next() {
    if (cut || nulLine != 0) return EOF;
    const int c = std::fgetc(stream_);
    if (c == EOF) return EOF;
    if (c == '\n') ++newlines_;
    if (c == '\0') {
      nulLine = newlines_ + 1;
      return EOF;
    }
    if (!inString_) {
      if (c == '"') {
        inString_ = true, run_ = 0;
      } else if (c == ',' || c == ':' || c == '[' || c == ']' || c == '{' || c == '}' || c == ' ' || c == '\t' ||
                 c == '\n' || c == '\r') {
        run_ = 0;
      } else {
        ++run_;
      }
    } else if (escape_) {
      escape_ = false, ++run_;
    } else if (c == '\\') {
      escape_ = true, ++run_;
    } else if (c == '"') {
      inString_ = false, run_ = 0;
    } else {
      ++run_;
    }
    if (run_ > limit_) {
      cut = true;
      return EOF;
    }
    return c;
  }

 private:
  std::FILE* stream_;
  std::size_t limit_;
  int newlines_ = 0;
  std::size_t run_ = 0;
  bool inString_ = false;
  bool escape_ = false;
};

// An input iterator over a CappedStream, as the parser reads its input.
class CappedIterator {
 public:
  using iterator_category = std::input_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = const char&;

  CappedIterator() = default;
  explicit CappedIterator(CappedStream& s) : stream_(&s) { Advance(); }

  const char& operator*() const { return current_; }
  CappedIterator& operator++() {
    Advance();
    return *this;
  }
  CappedIterator operator++(int) {
    CappedIterator before = *this;
    Advance();
    return before;
  }
  bool operator==(const CappedIterator& o) const { return AtEnd() == o.AtEnd(); }
  bool operator!=(const CappedIterator& o) const { return !(*this == o); }

 private:
  bool AtEnd() const { return stream_ == nullptr || atEnd_; }
  void Advance() {
    const int c = stream_->Next();
    atEnd_ = c == EOF;
    current_ = static_cast<char>(c);
  }

  CappedStream* stream_ = nullptr;
  char current_ = 0;
  bool atEnd_ = true;
};

template <typename Run>
std::optional<JsonRefusal> Guarded(Json& out, const Limits& limits, Run run) {
  Json doc;
  Builder builder(doc, limits);
  try {
    const bool ok = run(builder);
    if (builder.refusal) return builder.refusal;
    if (!ok) return JsonRefusal{"$", kNotJson};
  } catch (const Json::exception& e) {
    return builder.refusal ? builder.refusal : JsonRefusal{"$", Fill(kNotJsonBecause, {LibraryReason(e)})};
  } catch (const std::bad_alloc&) {
    return JsonRefusal{"$", kOutOfMemoryToRead};
  } catch (const std::exception& e) {
    return JsonRefusal{"$", Fill(kCannotBeRead, {e.what()})};
  }
  out = std::move(doc);
  return std::nullopt;
}

// No text holds a NUL byte; the parser would end the text there and never see what
// follows, so a file with one is refused as a channel list with one is.
JsonRefusal HoldsNul(int line) { return JsonRefusal{"$", Fill(kLineIs, {std::to_string(line), kHoldsNul})}; }

}  // namespace

std::optional<JsonRefusal> Parse(std::string_view text, Json& out, const Limits& limits) {
  if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos)
    return HoldsNul(1 + static_cast<int>(std::count(text.begin(), text.begin() + std::ptrdiff_t(nul), '\n')));
  return Guarded(out, limits, [&](Builder& b) { return Json::sax_parse(text.begin(), text.end(), &b); });
}

std::optional<JsonRefusal> Parse(std::FILE* stream, Json& out, const Limits& limits) {
  CappedStream capped(stream, limits.stringBytes);
  auto r = Guarded(out, limits, [&](Builder& b) {
    return Json::sax_parse(CappedIterator(capped), CappedIterator(), &b);
  });
  if (capped.cut && r)
    r->reason = Fill(kTokenTooLong, {std::to_string(limits.stringBytes)});
  if (capped.nulLine != 0) return HoldsNul(capped.nulLine);
  return r;
}

}  // namespace boundedjson
