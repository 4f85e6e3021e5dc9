#pragma once
// Reading a JSON export or a channel-list CSV that a person hands us. The file's size
// is looked at first: what no database in either format could be is refused before a
// byte is read, and the rest is read as a stream, a piece at a time, so a wrong choice
// of file never takes the memory. quelmar-cli and the window's "Import…" read through
// here.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace exchangeinput {

// A JSON export of a full database (every slot of every table used, every name's tail
// and stray byte set) is about 2.6 MB; a channel list is smaller still. Ten times that
// is no file of ours.
inline constexpr std::uint64_t kMaxBytes = std::uint64_t(26) << 20;

enum class Format { Json, Csv };

// How large a file a reader takes, and what it says of a larger one: "%1: %2 MiB is
// larger than ... (at most %3 MiB)".
struct Limit {
  std::uint64_t maxBytes = kMaxBytes;
  const char* tooLarge = nullptr;  // null: the database export's and channel list's words
};

// An open input file, at its start.
class Input {
 public:
  Input() = default;
  ~Input();
  Input(const Input&) = delete;
  Input& operator=(const Input&) = delete;

  std::FILE* Stream() const { return stream_; }
  std::uint64_t Size() const { return size_; }
  // The format of the file called `name`: a name ending in .json or .csv says it (a
  // .json that is no export of ours is then refused as JSON, not misread as a list);
  // otherwise an export of ours is a JSON object and anything else is taken for a
  // channel list, by the first bytes (a byte order mark and blanks skipped). The stream
  // goes back to its start.
  Format Guess(const std::string& name = {});

 private:
  friend std::optional<std::string> Open(const std::string& path, Input& in, const Limit& limit);
  friend std::optional<std::string> OpenCopy(std::FILE* source, const std::string& name, Input& in);
  std::FILE* stream_ = nullptr;
  std::uint64_t size_ = 0;
};

// Opens a regular file of at most limit.maxBytes; otherwise the reason, naming the file.
std::optional<std::string> Open(const std::string& path, Input& in, const Limit& limit = {});
// Takes what `source` (a pipe: standard input) holds, at most kMaxBytes, into a file of
// its own that can be read again from the start; otherwise the reason, naming it `name`.
std::optional<std::string> OpenCopy(std::FILE* source, const std::string& name, Input& in);

}  // namespace exchangeinput
