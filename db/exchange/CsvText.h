#pragma once
// RFC 4180 text through libcsv: records of fields, each record with the line it starts
// on, and fields written with quotes where they need them. Lines end in CR LF. Input is
// read a piece at a time and handed on a record at a time; a field, a record or a line
// that no channel list could hold stops the reading, so no file costs more memory than
// the records it hands on.
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace csvtext {

struct Record {
  int line = 0;  // where the record starts, from 1
  std::vector<std::string> fields;
};

struct ParseError {
  enum class Kind { Syntax, NotUtf8, NotText, TooLarge, Stopped };
  int line = 0;
  std::string reason;
  Kind kind = Kind::Syntax;
};

// Bounds on what one record may hold.
inline constexpr std::size_t kMaxFieldBytes = 4096;
inline constexpr std::size_t kMaxFields = 256;

// Takes each record as it is read; an error it returns stops the reading (kind Stopped
// is the sink's own).
using Sink = std::function<std::optional<ParseError>(Record&)>;

// Reads every record; a UTF-8 byte order mark at the start is skipped, blank lines are
// not records. A quote out of place, a quoted field left open, bytes that are not UTF-8
// text or a NUL byte is an error naming its line.
std::optional<ParseError> Parse(std::string_view text, const Sink& sink);
std::optional<ParseError> Parse(std::FILE* stream, const Sink& sink);
// All records at once, for text known to be small.
std::optional<ParseError> Parse(std::string_view text, std::vector<Record>& out);

// Appends one record, fields quoted when they hold a comma, a quote, a line break or
// spaces at either end, and CR LF.
void AppendRecord(std::string& out, const std::vector<std::string>& fields);

}  // namespace csvtext
