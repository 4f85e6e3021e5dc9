#include "db/document/JournalFormat.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "db/document/DbTexts.h"
#include "db/document/JournalTexts.h"
#include "db/image/Crc32.h"
#include "db/image/DatabaseImage.h"

namespace journal {
namespace {

constexpr std::uint32_t kVersion = 1;
// A record says its length before its CRC is checked; more than any record the window
// writes is damage, not a step. The largest are a received image with its name, and a
// step that changed the whole database: ranges at least 8 unchanged bytes apart cost 12
// bytes each and their new bytes, under three times the database.
constexpr std::uint32_t kMaxRecord = static_cast<std::uint32_t>(
    64 + kMaxName + 3 * std::max(sizeof(ChannelDatabase), DatabaseImage::kImageSize));

// A name cut to `limit` bytes, never inside a UTF-8 character.
std::string Bounded(const std::string& text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

class Writer {
 public:
  void U8(std::uint8_t v) { out.push_back(v); }
  void U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  void U64(std::uint64_t v) {
    for (int i = 0; i < 8; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
  void I64(std::int64_t v) { U64(static_cast<std::uint64_t>(v)); }
  void Bytes(const std::uint8_t* p, std::size_t n) {
    U32(static_cast<std::uint32_t>(n));
    out.insert(out.end(), p, p + n);
  }
  void Text(const std::string& s) { Bytes(reinterpret_cast<const std::uint8_t*>(s.data()), s.size()); }
  std::vector<std::uint8_t> out;
};

class Reader {
 public:
  Reader(const std::uint8_t* p, std::size_t n) : p_(p), n_(n) {}
  bool ok() const { return ok_; }
  bool AtEnd() const { return at_ == n_; }
  std::uint8_t U8() { return Take(1) ? p_[at_ - 1] : 0; }
  std::uint32_t U32() { return static_cast<std::uint32_t>(Le(4)); }
  std::uint64_t U64() { return Le(8); }
  std::int64_t I64() { return static_cast<std::int64_t>(Le(8)); }
  std::vector<std::uint8_t> Bytes() {
    const std::uint32_t n = U32();
    if (!Take(n)) return {};
    return {p_ + at_ - n, p_ + at_};
  }
  // Text of at most `limit` bytes; a longer one fails the read without copying it.
  std::string Text(std::size_t limit) {
    const std::uint32_t n = U32();
    if (n > limit) ok_ = false;
    if (!Take(n)) return {};
    return {reinterpret_cast<const char*>(p_ + at_ - n), n};
  }

 private:
  bool Take(std::size_t n) {
    if (!ok_ || n > n_ - at_) return ok_ = false;
    at_ += n;
    return true;
  }
  std::uint64_t Le(int width) {
    if (!Take(std::size_t(width))) return 0;
    std::uint64_t v = 0;
    for (int i = 0; i < width; ++i) v |= std::uint64_t(p_[at_ - std::size_t(width) + std::size_t(i)]) << (8 * i);
    return v;
  }
  const std::uint8_t* p_;
  std::size_t n_;
  std::size_t at_ = 0;
  bool ok_ = true;
};

std::uint32_t Crc(const std::uint8_t* p, std::size_t n) { return crc32::Checksum(p, n); }

std::uint32_t ReadU32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

// A record: its length, then type, time and payload, then their CRC.
std::vector<std::uint8_t> Framed(RecordType type, std::int64_t time, const std::vector<std::uint8_t>& payload) {
  Writer body;
  body.U8(static_cast<std::uint8_t>(type));
  body.I64(time);
  body.out.insert(body.out.end(), payload.begin(), payload.end());
  Writer framed;
  framed.U32(static_cast<std::uint32_t>(body.out.size()));
  framed.out.insert(framed.out.end(), body.out.begin(), body.out.end());
  framed.U32(Crc(body.out.data(), body.out.size()));
  return std::move(framed.out);
}

bool DecodeRecord(const std::uint8_t* p, std::size_t n, Record& r) {
  Reader in(p, n);
  const std::uint8_t type = in.U8();
  r.time = in.I64();
  switch (type) {
    case std::uint8_t(RecordType::Step): {
      r.type = RecordType::Step;
      r.name = in.Text(kMaxName);
      const std::uint32_t count = in.U32();
      if (count > n / 12) return false;
      r.ranges.resize(count);
      for (ChangeSet::Range& range : r.ranges) {
        range.offset = in.U32();
        range.length = in.U32();
        range.shift = in.U32();
      }
      r.bytes = in.Bytes();
      break;
    }
    case std::uint8_t(RecordType::Undo):
    case std::uint8_t(RecordType::Redo): r.type = RecordType(type); break;
    case std::uint8_t(RecordType::Load):
      r.type = RecordType::Load;
      r.name = in.Text(kMaxName);
      r.dbType = static_cast<int>(in.U32());
      r.image = in.Bytes();
      break;
    default: return false;
  }
  return in.ok() && in.AtEnd();
}

}  // namespace

std::vector<std::uint8_t> EncodeHead(const Head& head) {
  Writer body;
  body.U32(kVersion);
  body.U8(static_cast<std::uint8_t>(head.origin));
  body.I64(head.time);
  body.Text(Bounded(head.path, kMaxPath));
  body.U64(head.stamp.device);
  body.U64(head.stamp.inode);
  body.I64(head.stamp.size);
  body.I64(head.stamp.mtimeSec);
  body.I64(head.stamp.mtimeNsec);
  body.U32(static_cast<std::uint32_t>(head.dbType));
  body.Bytes(head.image.data(), head.image.size());
  Writer out;
  out.out.assign(std::begin(kMagic), std::end(kMagic));
  out.U32(static_cast<std::uint32_t>(body.out.size()));
  out.out.insert(out.out.end(), body.out.begin(), body.out.end());
  out.U32(Crc(body.out.data(), body.out.size()));
  return std::move(out.out);
}

std::vector<std::uint8_t> EncodeStep(std::int64_t time, const std::string& name, const ChangeSet& changes) {
  Writer w;
  w.Text(Bounded(name, kMaxName));
  const auto& ranges = changes.Ranges();
  w.U32(static_cast<std::uint32_t>(ranges.size()));
  std::size_t kept = 0;
  for (const ChangeSet::Range& r : ranges) {
    w.U32(r.offset);
    w.U32(r.length);
    w.U32(r.shift);
    if (r.shift == 0) kept += r.length;
  }
  w.U32(static_cast<std::uint32_t>(kept));
  for (std::size_t i = 0; i < ranges.size(); ++i)
    if (const std::uint8_t* bytes = changes.NewBytes(i)) w.out.insert(w.out.end(), bytes, bytes + ranges[i].length);
  return Framed(RecordType::Step, time, w.out);
}

std::vector<std::uint8_t> EncodeMove(std::int64_t time, RecordType undoOrRedo) {
  return Framed(undoOrRedo, time, {});
}

std::vector<std::uint8_t> EncodeLoad(std::int64_t time, const std::string& name, int dbType,
                                     const std::vector<std::uint8_t>& image) {
  Writer w;
  w.Text(Bounded(name, kMaxName));
  w.U32(static_cast<std::uint32_t>(dbType));
  w.Bytes(image.data(), image.size());
  return Framed(RecordType::Load, time, w.out);
}

Result Decode(const std::uint8_t* bytes, std::size_t size, Contents& out) {
  out = {};
  if (size < sizeof kMagic + 8 || std::memcmp(bytes, kMagic, sizeof kMagic) != 0)
    return Result::Failure(JournalTexts::kNotAJournal);
  const std::uint32_t headLength = ReadU32(bytes + sizeof kMagic);
  const std::size_t headEnd = sizeof kMagic + 4 + std::size_t(headLength) + 4;
  if (headEnd > size) return Result::Failure(JournalTexts::kDamagedHead);
  const std::uint8_t* body = bytes + sizeof kMagic + 4;
  if (Crc(body, headLength) != ReadU32(body + headLength)) return Result::Failure(JournalTexts::kDamagedHead);

  Reader in(body, headLength);
  if (in.U32() != kVersion) return Result::Failure(JournalTexts::kNotAJournal);
  Head& head = out.head;
  head.origin = static_cast<Origin>(in.U8());
  head.time = in.I64();
  head.path = in.Text(kMaxPath);
  head.stamp.device = in.U64();
  head.stamp.inode = in.U64();
  head.stamp.size = in.I64();
  head.stamp.mtimeSec = in.I64();
  head.stamp.mtimeNsec = in.I64();
  head.dbType = static_cast<int>(in.U32());
  head.image = in.Bytes();
  if (!in.ok() || !in.AtEnd()) return Result::Failure(JournalTexts::kDamagedHead);

  // Records until the end, or until one is torn or fails its CRC: then count how many
  // more the lengths still frame, to say how many steps were lost.
  std::size_t at = headEnd;
  bool damaged = false;
  while (at < size) {
    const std::size_t left = size - at;
    const std::uint32_t length = left >= 4 ? ReadU32(bytes + at) : 0;
    if (left < 4 || length == 0 || length > kMaxRecord || std::size_t(length) + 8 > left) {
      ++out.lost;
      break;
    }
    const std::uint8_t* record = bytes + at + 4;
    Record r;
    if (damaged || Crc(record, length) != ReadU32(record + length) || !DecodeRecord(record, length, r)) {
      damaged = true;
      ++out.lost;
    } else {
      out.records.push_back(std::move(r));
    }
    at += std::size_t(length) + 8;
  }
  return Result::Success();
}

Result Peek(const std::string& path, Head& out) {
  out = {};
  // Magic, length, version, origin, time and a path of any length a system allows.
  constexpr std::size_t kPrefix = sizeof kMagic + 4 + 4 + 1 + 8 + 4 + 4096;
  std::vector<std::uint8_t> bytes;
  if (Result read = fileio::ReadPrefix(path, kPrefix, bytes); !read) return read;
  if (bytes.size() < sizeof kMagic + 8 || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
    return Result::Failure(JournalTexts::kNotAJournal);
  Reader in(bytes.data() + sizeof kMagic + 4, bytes.size() - sizeof kMagic - 4);
  if (in.U32() != kVersion) return Result::Failure(JournalTexts::kNotAJournal);
  out.origin = static_cast<Origin>(in.U8());
  out.time = in.I64();
  out.path = in.Text(kMaxPath);
  return in.ok() ? Result::Success() : Result::Failure(JournalTexts::kDamagedHead);
}

Result Read(const std::string& path, Contents& out) {
  std::vector<std::uint8_t> bytes;
  if (Result read = fileio::ReadPrefix(path, kMaxFile, bytes); !read)
    return Result::Failure(fileio::Describe(read, path, DbTexts::kCannotOpen));
  return Decode(bytes.data(), bytes.size(), out);
}

}  // namespace journal
