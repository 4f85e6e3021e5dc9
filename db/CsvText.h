#pragma once
// RFC 4180 text through libcsv: records of fields, each record with the line it starts
// on, and fields written with quotes where they need them. Lines end in CR LF.
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
  int line = 0;
  std::string reason;
};

// Reads every record; a UTF-8 byte order mark at the start is skipped, blank lines are
// not records. A quote out of place or a quoted field left open is an error.
std::optional<ParseError> Parse(std::string_view text, std::vector<Record>& out);

// Appends one record, fields quoted when they hold a comma, a quote, a line break or
// spaces at either end, and CR LF.
void AppendRecord(std::string& out, const std::vector<std::string>& fields);

}  // namespace csvtext
