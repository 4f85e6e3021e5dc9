#include "db/CsvText.h"

#include <csv.h>

namespace csvtext {
namespace {

struct Collector {
  std::vector<Record>* out;
  Record current;
  int startLine = 0;  // line of the record being read; 0 while none is
};

extern "C" void OnField(void* data, std::size_t size, void* self) {
  auto* c = static_cast<Collector*>(self);
  c->current.fields.emplace_back(static_cast<const char*>(data), size);
}

extern "C" void OnRecordEnd(int, void* self) {
  auto* c = static_cast<Collector*>(self);
  c->current.line = c->startLine;
  c->out->push_back(std::move(c->current));
  c->current = Record{};
  c->startLine = 0;
}

// Spaces are part of a field (RFC 4180); libcsv would trim them.
extern "C" int NoSpace(unsigned char) { return 0; }

bool NeedsQuotes(std::string_view f) {
  if (f.find_first_of(",\"\r\n") != std::string_view::npos) return true;
  return !f.empty() && (f.front() == ' ' || f.front() == '\t' || f.back() == ' ' || f.back() == '\t');
}

}  // namespace

std::optional<ParseError> Parse(std::string_view text, std::vector<Record>& out) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  csv_parser p;
  if (csv_init(&p, CSV_STRICT | CSV_STRICT_FINI) != 0) return ParseError{0, "out of memory"};
  csv_set_space_func(&p, NoSpace);
  Collector c{&out, {}, 0};
  std::optional<ParseError> error;
  // Fed a line at a time so each record learns the line it starts on.
  int line = 0;
  std::size_t pos = 0;
  while (pos < text.size() && !error) {
    ++line;
    const std::size_t nl = text.find('\n', pos);
    const std::size_t end = nl == std::string_view::npos ? text.size() : nl + 1;
    const std::string_view chunk = text.substr(pos, end - pos);
    if (c.startLine == 0 && chunk.find_first_not_of("\r\n") != std::string_view::npos) c.startLine = line;
    if (csv_parse(&p, chunk.data(), chunk.size(), OnField, OnRecordEnd, &c) != chunk.size())
      error = ParseError{line, csv_strerror(csv_error(&p))};
    pos = end;
  }
  if (!error && csv_fini(&p, OnField, OnRecordEnd, &c) != 0)
    error = ParseError{c.startLine != 0 ? c.startLine : line, "a quoted field is not closed"};
  csv_free(&p);
  return error;
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
