#include "db/exchange/CsvText.h"

#include <csv.h>

#include <algorithm>

#include "db/exchange/ImportTexts.h"
#include "db/records/TextFill.h"

namespace csvtext {
namespace {

// What libcsv is handed at once: a line longer than this is fed in pieces, so a field
// is found too large after at most this many bytes more.
constexpr std::size_t kPiece = 4096;

// Checks UTF-8 a byte at a time, across pieces: overlong forms, surrogates and code
// points beyond U+10FFFF are not UTF-8.
class Utf8Check {
 public:
  bool Take(unsigned char b) {
    if (need_ == 0) {
      if (b < 0x80) return true;
      lo_ = 0x80, hi_ = 0xBF;
      if (b >= 0xC2 && b <= 0xDF) need_ = 1;
      else if (b == 0xE0) need_ = 2, lo_ = 0xA0;
      else if (b == 0xED) need_ = 2, hi_ = 0x9F;
      else if (b >= 0xE1 && b <= 0xEF) need_ = 2;
      else if (b == 0xF0) need_ = 3, lo_ = 0x90;
      else if (b == 0xF4) need_ = 3, hi_ = 0x8F;
      else if (b >= 0xF1 && b <= 0xF3) need_ = 3;
      else return false;
      return true;
    }
    if (b < lo_ || b > hi_) return false;
    lo_ = 0x80, hi_ = 0xBF;
    --need_;
    return true;
  }
  bool Complete() const { return need_ == 0; }

 private:
  int need_ = 0;
  unsigned char lo_ = 0x80, hi_ = 0xBF;
};

ParseError NotUtf8(int line) {
  return ParseError{line, ImportTexts::kNotUtf8, ParseError::Kind::NotUtf8};
}

// Spaces are part of a field (RFC 4180); libcsv would trim them.
extern "C" int NoSpace(unsigned char) { return 0; }

class Reader {
 public:
  explicit Reader(const Sink& sink) : sink_(sink) {
    if (csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI) != 0) error_ = ParseError{0, ImportTexts::kOutOfMemory};
    csv_set_space_func(&parser_, NoSpace);
  }
  ~Reader() { csv_free(&parser_); }
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  bool Failed() const { return error_.has_value(); }

  void Feed(std::string_view data) {
    if (first_) {
      first_ = false;
      if (data.substr(0, 3) == "\xEF\xBB\xBF") data.remove_prefix(3);
    }
    std::size_t pos = 0;
    // The LF of a CR LF that the previous read cut in two belongs to the line before.
    if (crEnded_ && !data.empty() && data.front() == '\n') {
      Piece(data.substr(0, 1));
      pos = 1;
    }
    crEnded_ = false;
    constexpr std::size_t kNone = std::string_view::npos;
    std::size_t nl = data.find('\n', pos);
    while (pos < data.size() && !error_) {
      if (atLineStart_) {
        ++line_;
        atLineStart_ = false;
      }
      // A line ends in LF, CR LF or a CR alone (as old Mac text has it). Each search
      // looks no further than it must, so that neither kind of file costs a scan per line.
      if (nl != kNone && nl < pos) nl = data.find('\n', pos);
      const std::size_t cr = data.substr(pos, (nl == kNone ? data.size() : nl) - pos).find('\r');
      const std::size_t brk = cr != kNone && pos + cr + 1 != nl ? pos + cr : nl;
      const std::size_t lineEnd = brk == kNone ? data.size() : brk + 1;
      const std::size_t end = std::min(lineEnd, pos + kPiece);
      Piece(data.substr(pos, end - pos));
      if (brk != kNone && end == lineEnd) atLineStart_ = true;
      pos = end;
    }
    crEnded_ = atLineStart_ && !data.empty() && data.back() == '\r';
  }

  std::optional<ParseError> Finish() {
    if (!error_ && !utf8_.Complete()) error_ = NotUtf8(line_);
    if (!error_ && csv_fini(&parser_, OnField, OnRecordEnd, this) != 0)
      error_ = ParseError{startLine_ != 0 ? startLine_ : line_, ImportTexts::kQuoteNotClosed};
    return error_;
  }

 private:
  void Piece(std::string_view piece) {
    for (const char ch : piece) {
      const auto b = static_cast<unsigned char>(ch);
      if (b == 0) {
        error_ = ParseError{line_, ImportTexts::kHoldsNul, ParseError::Kind::NotText};
        return;
      }
      if (!utf8_.Take(b)) {
        error_ = NotUtf8(line_);
        return;
      }
    }
    if (startLine_ == 0 && piece.find_first_not_of("\r\n") != std::string_view::npos) startLine_ = line_;
    if (csv_parse(&parser_, piece.data(), piece.size(), OnField, OnRecordEnd, this) != piece.size() && !error_)
      error_ = ParseError{line_, csv_strerror(csv_error(&parser_))};
    if (!error_ && (parser_.entry_pos > kMaxFieldBytes || current_.fields.size() > kMaxFields))
      error_ = ParseError{startLine_ != 0 ? startLine_ : line_,
                          text::Fill(ImportTexts::kRecordTooLong,
                                     {std::to_string(kMaxFields), std::to_string(kMaxFieldBytes)}),
                          ParseError::Kind::TooLarge};
  }

  static void OnField(void* data, std::size_t size, void* self) {
    auto* r = static_cast<Reader*>(self);
    if (!r->error_) r->current_.fields.emplace_back(static_cast<const char*>(data), size);
  }

  static void OnRecordEnd(int, void* self) {
    auto* r = static_cast<Reader*>(self);
    r->current_.line = r->startLine_;
    if (!r->error_)
      if (auto e = r->sink_(r->current_)) r->error_ = std::move(e);
    r->current_ = Record{};
    r->startLine_ = 0;
  }

  const Sink& sink_;
  csv_parser parser_{};
  Record current_;
  int startLine_ = 0;  // line of the record being read; 0 while none is
  int line_ = 0;
  bool atLineStart_ = true;
  bool crEnded_ = false;  // the last line read ended in a CR
  bool first_ = true;
  Utf8Check utf8_;
  std::optional<ParseError> error_;
};

bool NeedsQuotes(std::string_view f) {
  if (f.find_first_of(",\"\r\n") != std::string_view::npos) return true;
  return !f.empty() && (f.front() == ' ' || f.front() == '\t' || f.back() == ' ' || f.back() == '\t');
}

}  // namespace

std::optional<ParseError> Parse(std::string_view text, const Sink& sink) {
  Reader reader(sink);
  if (!reader.Failed()) reader.Feed(text);
  return reader.Finish();
}

std::optional<ParseError> Parse(std::FILE* stream, const Sink& sink) {
  Reader reader(sink);
  char buffer[kPiece];
  while (!reader.Failed()) {
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, stream);
    if (n == 0) break;
    reader.Feed(std::string_view(buffer, n));
  }
  if (std::ferror(stream) && !reader.Failed()) return ParseError{0, ImportTexts::kNotReadToEnd};
  return reader.Finish();
}

std::optional<ParseError> Parse(std::string_view text, std::vector<Record>& out) {
  return Parse(text, [&out](Record& r) -> std::optional<ParseError> {
    out.push_back(std::move(r));
    return std::nullopt;
  });
}

void AppendRecord(std::string& out, const std::vector<std::string>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += ',';
    const std::string& f = fields[i];
    if (!NeedsQuotes(f)) {
      out += f;
      continue;
    }
    std::string quoted(2 * f.size() + 2, '\0');
    quoted.resize(csv_write(quoted.data(), quoted.size(), f.data(), f.size()));
    out += quoted;
  }
  out += "\r\n";
}

}  // namespace csvtext
