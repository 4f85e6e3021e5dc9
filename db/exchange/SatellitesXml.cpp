#include "db/exchange/SatellitesXml.h"

#include <expat.h>

#include <charconv>
#include <limits>

#include "db/exchange/ExchangeInput.h"
#include "db/exchange/ImportTexts.h"
#include "db/exchange/TransponderListTexts.h"
#include "db/records/TextFill.h"

namespace satxml {
namespace {

namespace T = TransponderListTexts;

// What expat is handed at once.
constexpr std::size_t kPiece = 65536;

// The receiver stores whole MHz and kS/s in 16 bits: what rounds above 65535 has no
// place in it.
constexpr std::int64_t kMaxRounded = 65535499;

struct Range {
  const char* attribute;
  std::int64_t low, high;
};
constexpr Range kPosition{"position", -1800, 1800};
constexpr Range kFrequency{"frequency", 0, kMaxRounded};
constexpr Range kSymbolRate{"symbol_rate", 0, kMaxRounded};
constexpr Range kPolarization{"polarization", kHorizontal, kCircularRight};

std::string_view Trimmed(std::string_view v) {
  while (!v.empty() && (v.front() == ' ' || v.front() == '\t')) v.remove_prefix(1);
  while (!v.empty() && (v.back() == ' ' || v.back() == '\t')) v.remove_suffix(1);
  return v;
}

class Reader {
 public:
  explicit Reader(List& out) : out_(out), parser_(XML_ParserCreate(nullptr)) {
    out_.satellites.clear();
    if (!parser_) {
      refusal_ = Refusal{0, ImportTexts::kOutOfMemory};
      return;
    }
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(parser_, &Reader::OnStart, &Reader::OnEnd);
    // Entities are how a small file grows without bound in memory; the format has no
    // use for them, so the first declaration ends the reading.
    XML_SetEntityDeclHandler(parser_, &Reader::OnEntity);
    XML_SetParamEntityParsing(parser_, XML_PARAM_ENTITY_PARSING_NEVER);
  }
  ~Reader() {
    if (parser_) XML_ParserFree(parser_);
  }
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  bool Feed(const char* data, std::size_t size, bool last) {
    if (refusal_) return false;
    if (XML_Parse(parser_, data, static_cast<int>(size), last ? XML_TRUE : XML_FALSE) == XML_STATUS_OK) return true;
    if (!refusal_) Refuse(text::Fill(T::kNotXml, {XML_ErrorString(XML_GetErrorCode(parser_))}));
    return false;
  }
  void Refuse(std::string reason) {
    if (refusal_) return;
    refusal_ = Refusal{parser_ ? static_cast<int>(XML_GetCurrentLineNumber(parser_)) : 0, std::move(reason)};
    if (parser_) XML_StopParser(parser_, XML_FALSE);
  }
  std::optional<Refusal> Finish() {
    if (!refusal_ && out_.satellites.empty()) Refuse(T::kNoSatellite);
    if (refusal_) out_.satellites.clear();
    return refusal_;
  }

 private:
  static void XMLCALL OnStart(void* self, const XML_Char* name, const XML_Char** attributes) {
    static_cast<Reader*>(self)->Start(name, attributes);
  }
  static void XMLCALL OnEnd(void* self, const XML_Char*) { static_cast<Reader*>(self)->End(); }
  static void XMLCALL OnEntity(void* self, const XML_Char* name, int, const XML_Char*, int, const XML_Char*,
                               const XML_Char*, const XML_Char*, const XML_Char*) {
    static_cast<Reader*>(self)->Refuse(text::Fill(T::kEntity, {name}));
  }

  void Start(std::string_view name, const XML_Char** attributes) {
    if (refusal_) return;
    ++depth_;
    if (depth_ > kMaxDepth) return Refuse(text::Fill(T::kTooDeep, {std::to_string(kMaxDepth)}));
    if (depth_ == 1) {
      if (name != "satellites") Refuse(text::Fill(T::kNotAList, {std::string(name)}));
      return;
    }
    if (depth_ == 2 && name == "sat") return StartSatellite(attributes);
    if (depth_ == 3 && inSatellite_ && name == "transponder") return AddTransponder(attributes);
  }
  void End() {
    if (refusal_) return;
    if (depth_ == 2) inSatellite_ = false;
    --depth_;
  }

  void StartSatellite(const XML_Char** attributes) {
    if (out_.satellites.size() >= kMaxSatellites)
      return Refuse(text::Fill(T::kTooManySatellites, {std::to_string(kMaxSatellites)}));
    Satellite s;
    s.line = Line();
    const char* name = Find(attributes, "name");
    if (!name) return Refuse(text::Fill(T::kMissingAttribute, {"sat", "name"}));
    s.name = name;
    const auto position = Number(attributes, "sat", kPosition);
    if (!position) return;
    s.position = static_cast<int>(*position);
    out_.satellites.push_back(std::move(s));
    inSatellite_ = true;
  }

  void AddTransponder(const XML_Char** attributes) {
    if (transponders_ >= kMaxTransponders)
      return Refuse(text::Fill(T::kTooManyTransponders, {std::to_string(kMaxTransponders)}));
    Transponder t;
    t.line = Line();
    const auto frequency = Number(attributes, "transponder", kFrequency);
    if (!frequency) return;
    const auto symbolRate = Number(attributes, "transponder", kSymbolRate);
    if (!symbolRate) return;
    const auto polarization = Number(attributes, "transponder", kPolarization);
    if (!polarization) return;
    t.frequency = static_cast<std::uint32_t>(*frequency);
    t.symbolRate = static_cast<std::uint32_t>(*symbolRate);
    t.polarization = static_cast<int>(*polarization);
    out_.satellites.back().transponders.push_back(t);
    ++transponders_;
  }

  static const char* Find(const XML_Char** attributes, std::string_view name) {
    for (const XML_Char** a = attributes; a && a[0]; a += 2)
      if (name == a[0]) return a[1];
    return nullptr;
  }

  // The attribute's integer; refuses (and gives nothing) when it is missing, not a
  // whole number, or outside the range.
  std::optional<std::int64_t> Number(const XML_Char** attributes, const char* element, const Range& range) {
    const char* value = Find(attributes, range.attribute);
    if (!value) {
      Refuse(text::Fill(T::kMissingAttribute, {element, range.attribute}));
      return std::nullopt;
    }
    const std::string_view v = Trimmed(value);
    std::int64_t n = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
    if (v.empty() || ec != std::errc() || end != v.data() + v.size() || n < range.low || n > range.high) {
      Refuse(text::Fill(T::kBadAttribute, {element, range.attribute, std::to_string(range.low),
                                           std::to_string(range.high), value}));
      return std::nullopt;
    }
    return n;
  }

  int Line() const { return static_cast<int>(XML_GetCurrentLineNumber(parser_)); }

  List& out_;
  XML_Parser parser_;
  std::optional<Refusal> refusal_;
  int depth_ = 0;
  bool inSatellite_ = false;
  std::size_t transponders_ = 0;
};

}  // namespace

int List::Find(int position) const {
  for (std::size_t i = 0; i < satellites.size(); ++i)
    if (satellites[i].position == position) return static_cast<int>(i);
  return -1;
}

std::size_t List::TransponderCount() const {
  std::size_t n = 0;
  for (const Satellite& s : satellites) n += s.transponders.size();
  return n;
}

std::string Refusal::Message() const { return text::Fill(ImportTexts::kAtLine, {std::to_string(line), reason}); }

std::optional<Refusal> Read(std::string_view text, List& out) {
  Reader reader(out);
  if (text.size() > kMaxBytes) {
    reader.Refuse(text::Fill(T::kTooLong, {std::to_string(kMaxBytes >> 20)}));
    return reader.Finish();
  }
  // Fed in pieces, so an int length never overflows and a refusal stops early.
  std::size_t at = 0;
  do {
    const std::size_t n = std::min(kPiece, text.size() - at);
    if (!reader.Feed(text.data() + at, n, at + n == text.size())) break;
    at += n;
  } while (at < text.size());
  return reader.Finish();
}

std::optional<Refusal> Read(std::FILE* stream, List& out) {
  Reader reader(out);
  char buffer[kPiece];
  std::uint64_t total = 0;
  for (;;) {
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, stream);
    total += n;
    if (total > kMaxBytes) {
      reader.Refuse(text::Fill(T::kTooLong, {std::to_string(kMaxBytes >> 20)}));
      break;
    }
    if (n == 0 && std::ferror(stream)) {
      reader.Refuse(ImportTexts::kNotReadToEnd);
      break;
    }
    if (!reader.Feed(buffer, n, n == 0) || n == 0) break;
  }
  return reader.Finish();
}

std::optional<std::string> Open(const std::string& path, exchangeinput::Input& in) {
  return exchangeinput::Open(path, in, {kMaxBytes, T::kTooLarge});
}

}  // namespace satxml
