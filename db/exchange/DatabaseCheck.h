#pragma once
// The consistency check: what in a database the receiver or the pages cannot make sense
// of (errors), and what the receiver tolerates but a user should know about (warnings).
// The window's "Check Database…", its check before a send and `quelmar-cli check` all
// run this.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "db/exchange/CheckKinds.h"
#include "db/records/ChannelDatabase.h"

struct Problem {
  Severity severity = Severity::Warning;
  CheckKind kind = CheckKind::EmptyName;
  std::string_view table;  // a name of db/records/TableNames.h
  // The record concerned: a slot of the table, or for tvList and radioList a position
  // in the list; -1 when the problem is the table's as a whole.
  int slot = -1;
  // For a favourite group's member: its position among the members; otherwise -1.
  int position = -1;
  std::string message;
  // Where a person finds it: the list (tvList or radioList) and the channel number in it,
  // counted from 1, of the program concerned or of the list entry; an empty list and -1
  // when there is none.
  std::string_view channelList;
  int channel = -1;

  std::string_view KindId() const { return InfoOf(kind).id; }
};

struct CheckReport {
  std::vector<Problem> problems;
  int Errors() const;
  int Warnings() const;
};

namespace dbcheck {

// Problems in the database's content, for the PID rule of the DbType.
CheckReport CheckDatabase(const ChannelDatabase& db, int dbType);

// A wrong stored checksum for each section of the image (kImageSize bytes) under the
// DbType.
std::vector<Problem> CheckChecksums(const std::uint8_t* image, int dbType);

// What in the 64-byte header the editor, a transfer or the DbType would not accept:
// magic, validFlag, dataLength, imageTypeWord and headerSum.
std::vector<Problem> CheckHeader(const std::uint8_t* header, int dbType);

// A database as the editor holds it: the header it will save, then its content. The
// section checksums are made afresh on every save, so they are not in question.
CheckReport CheckDocument(const std::uint8_t* header, const ChannelDatabase& db, int dbType);

// An image as a file or the receiver holds it: its header, its checksums, then its
// content.
CheckReport CheckImage(const std::uint8_t* image, int dbType);

// A file of `fileSize` bytes that begins with a whole image: bytes beyond the image,
// which no load reads and every save drops.
std::vector<Problem> CheckFileSize(std::uint64_t fileSize);
// A file as `check` sees it: CheckImage, with the file's size after its header.
CheckReport CheckFile(const std::uint8_t* image, std::uint64_t fileSize, int dbType);
// What opening such a file under the DbType should say before the document takes it:
// bytes beyond the image, and wrong section checksums unless they hold under another
// DbType (the offer to switch speaks of those).
std::vector<Problem> OpenFindings(const std::uint8_t* image, std::uint64_t fileSize, int dbType);

}  // namespace dbcheck
