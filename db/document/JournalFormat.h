#pragma once
// The recovery journal's bytes: a head with the image the steps start from, then one
// record per edit step, undo or redo as it happened, each with its own length and CRC,
// so that a journal cut short by a killed window still yields every whole record
// before the cut. Little-endian throughout. No files here: encoding and decoding only.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "db/document/ChangeSet.h"
#include "db/document/FileIo.h"
#include "db/records/Result.h"

namespace journal {

inline constexpr char kMagic[8] = {'Q', 'M', 'L', 'R', 'J', 'N', 'L', '1'};

// Where the base image came from: the file it was read from or saved to (with that
// file's stamp then), a new or demo database, or a receive into a document without one.
enum class Origin : std::uint8_t { Untitled = 0, File = 1, Received = 2 };

struct Head {
  Origin origin = Origin::Untitled;
  std::int64_t time = 0;  // seconds since 1970, when the base was taken
  std::string path;       // the file, for Origin::File
  fileio::FileStamp stamp;
  int dbType = 0;
  std::vector<std::uint8_t> image;  // a whole image, as Save would write it
};

enum class RecordType : std::uint8_t {
  Step = 1,  // an edit: its name and what it changed
  Undo = 2,  // the last step done was undone
  Redo = 3,  // the next step undone was done again
  Load = 4,  // a received image replaced the document: its name, DbType and image
};

struct Record {
  RecordType type = RecordType::Step;
  std::int64_t time = 0;
  std::string name;
  // Step: the change, as ChangeSet::FromForward takes it.
  std::vector<ChangeSet::Range> ranges;
  std::vector<std::uint8_t> bytes;
  // Load.
  int dbType = 0;
  std::vector<std::uint8_t> image;
};

// A step's name is a short text around a record's name (at most 16 bytes) or a file's
// name; one longer than this is cut when written and is damage when read.
inline constexpr std::size_t kMaxName = 1024;
// The head's path: no path a system takes is longer.
inline constexpr std::size_t kMaxPath = 4096;

std::vector<std::uint8_t> EncodeHead(const Head& head);
std::vector<std::uint8_t> EncodeStep(std::int64_t time, const std::string& name, const ChangeSet& changes);
std::vector<std::uint8_t> EncodeMove(std::int64_t time, RecordType undoOrRedo);
std::vector<std::uint8_t> EncodeLoad(std::int64_t time, const std::string& name, int dbType,
                                     const std::vector<std::uint8_t>& image);

struct Contents {
  Head head;
  std::vector<Record> records;
  // Records after the last whole one: a torn tail or a bad CRC, and what followed.
  int lost = 0;
};

// Reads a journal's bytes. Refused when the head is not whole, fails its CRC or holds
// more than any head written; a damaged record (torn, a bad CRC, or larger than any step
// the window writes) ends the records there, counted in `lost` with those after it.
Result Decode(const std::uint8_t* bytes, std::size_t size, Contents& out);
// Reads and decodes the journal file at `path` (a regular file, at most kMaxFile bytes);
// a folder, a FIFO or a device is refused with a message naming it.
Result Read(const std::string& path, Contents& out);
// The head's origin, time and path from the journal's first bytes, without its image and
// unchecked: enough to list many journals quickly. The one chosen is Read whole, and
// checked, before anything is restored from it.
Result Peek(const std::string& path, Head& out);
inline constexpr std::size_t kMaxFile = std::size_t(1) << 30;

}  // namespace journal
