#include "db/exchange/ExchangeInput.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "db/exchange/ImportTexts.h"
#include "db/records/TextFill.h"

namespace exchangeinput {

using namespace ImportTexts;

Input::~Input() {
  if (stream_) std::fclose(stream_);
}

Format Input::Guess(const std::string& name) {
  const auto endsWith = [&name](std::string_view suffix) {
    if (name.size() < suffix.size()) return false;
    for (std::size_t i = 0; i < suffix.size(); ++i)
      if (std::tolower(static_cast<unsigned char>(name[name.size() - suffix.size() + i])) != suffix[i]) return false;
    return true;
  };
  if (endsWith(".json")) return Format::Json;
  if (endsWith(".csv")) return Format::Csv;
  char head[4096];
  const std::size_t n = std::fread(head, 1, sizeof head, stream_);
  std::rewind(stream_);
  std::size_t i = n >= 3 && std::memcmp(head, "\xEF\xBB\xBF", 3) == 0 ? 3 : 0;
  while (i < n && (head[i] == ' ' || head[i] == '\t' || head[i] == '\r' || head[i] == '\n')) ++i;
  return i < n && head[i] == '{' ? Format::Json : Format::Csv;
}

std::optional<std::string> Open(const std::string& path, Input& in, const Limit& limit) {
  // Looked at before it is opened: a FIFO would wait for a writer, a device has effects.
  struct stat st{};
  if (::stat(path.c_str(), &st) != 0) return text::Fill(kCannotRead, {path, std::strerror(errno)});
  if (!S_ISREG(st.st_mode)) return text::Fill(kNotRegular, {path});
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return text::Fill(kCannotRead, {path, std::strerror(errno)});
  // The name may have been given to something else in between.
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return text::Fill(kNotRegular, {path});
  }
  if (static_cast<std::uint64_t>(st.st_size) > limit.maxBytes) {
    ::close(fd);
    return text::Fill(limit.tooLarge ? limit.tooLarge : kTooLarge,
                      {path, std::to_string((static_cast<std::uint64_t>(st.st_size) + (1 << 20) - 1) >> 20),
                       std::to_string(limit.maxBytes >> 20)});
  }
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  std::FILE* stream = ::fdopen(fd, "rb");
  if (!stream) {
    const int err = errno;
    ::close(fd);
    return text::Fill(kCannotRead, {path, std::strerror(err)});
  }
  if (in.stream_) std::fclose(in.stream_);
  in.stream_ = stream;
  in.size_ = static_cast<std::uint64_t>(st.st_size);
  return std::nullopt;
}

std::optional<std::string> OpenCopy(std::FILE* source, const std::string& name, Input& in) {
  std::FILE* copy = std::tmpfile();
  if (!copy) return text::Fill(kCannotRead, {name, std::strerror(errno)});
  char buffer[65536];
  std::uint64_t size = 0;
  std::size_t n = 0;
  // Taken a piece at a time, so nothing past the limit is ever held.
  while ((n = std::fread(buffer, 1, sizeof buffer, source)) > 0) {
    size += n;
    if (size > kMaxBytes || std::fwrite(buffer, 1, n, copy) != n) {
      std::fclose(copy);
      if (size > kMaxBytes)
        return text::Fill(kTooLarge, {name, text::Fill(kMoreThan, {std::to_string(kMaxBytes >> 20)}),
                                      std::to_string(kMaxBytes >> 20)});
      return text::Fill(kCannotRead, {name, std::strerror(errno)});
    }
  }
  if (std::ferror(source) || std::fflush(copy) != 0) {
    std::fclose(copy);
    return text::Fill(kCannotRead, {name, std::strerror(errno)});
  }
  std::rewind(copy);
  if (in.stream_) std::fclose(in.stream_);
  in.stream_ = copy;
  in.size_ = size;
  return std::nullopt;
}

}  // namespace exchangeinput
