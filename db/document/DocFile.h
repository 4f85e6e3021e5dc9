#pragma once
// Which file a document belongs to and its reads and writes: the path it last read or
// wrote, that file's stamp (to tell when another program changed it since), and the
// files whose backup this document has kept. Knows nothing of what the image holds.
//
// The file is taken once, when it is read or written: its absolute path and the path with
// every link resolved, so that a later save recognises it whatever path leads there (a
// relative name, "./", "..", a link) and whatever the working folder is by then.
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "db/document/FileIo.h"
#include "db/records/Result.h"

class DocFile {
 public:
  // The file this document last read or wrote, as an absolute path; empty when none.
  const std::string& Path() const { return path_; }
  // Its stamp when it was read or written.
  const fileio::FileStamp& Stamp() const { return stamp_; }

  // Reads up to one whole image from `path`, with the file's stamp; refused as
  // fileio::ReadPrefix refuses it, worded for Open.
  static Result Read(const std::string& path, std::vector<std::uint8_t>& image, fileio::FileStamp& stamp);
  // The document now holds what `path` held when it had `stamp`.
  void Opened(const std::string& path, const fileio::FileStamp& stamp);
  // The document belongs to no file (an import, a copy of a received image, New).
  void Forget();

  // Whether `path` may be written without asking: refused (ChangedOnDisk) when it is
  // the file this document last read or wrote and another program has changed or
  // replaced it since.
  Result MayOverwrite(const std::string& path) const;
  // Creates the temporary file beside `path`, worded for Save when that fails.
  static Result Begin(fileio::AtomicFile& file, const std::string& path);
  // Commits `image` through `file`. The first save over an existing file in this
  // document's life keeps the old content as NAME.bak beside the name given; later
  // saves leave that backup alone. A backup that cannot be written does not stop the
  // save: the result's notice says so.
  Result Write(fileio::AtomicFile& file, const std::vector<std::uint8_t>& image);
  // The document no longer holds what its file held (a received image): the next save
  // over any file keeps what that file holds then as its backup.
  void ForgetBackups() { savedOver_.clear(); }

 private:
  std::string path_;       // absolute, as the user named it
  std::string canonical_;  // links resolved: what identifies the file
  fileio::FileStamp stamp_;
  // Files (links resolved) saved over once already: their backup is made.
  std::set<std::string> savedOver_;
};
