#pragma once
// The outcome of opening, saving or loading a document, of a file operation and of an
// edit the user is told about: ok, or a one-line reason to show. A code says which
// refusal it was where a caller words it its own way or asks the user something.
#include <string>
#include <utility>

enum class ResultCode {
  None,
  // Save: nothing was written because the file changed on disk since it was opened or
  // last saved; the message is the question to ask before overwriting it.
  ChangedOnDisk,
  // A received image shorter than a whole image, or not marked valid.
  ShortImage,
  NotValid,
  // File operations. The message holds the system's reason (SystemError), where a
  // dangling link points (DanglingLink) or "Permission denied" (ReadOnly).
  SystemError,
  NotRegular,    // a FIFO, device, socket or folder where a file was expected
  DanglingLink,  // a symbolic link to nothing
  ReadOnly,      // an existing file the user may not write
  // Edits of the channel database that changed nothing.
  TableFull,      // all program slots are in use
  ListFull,       // the TV or radio list the program belongs in is full
  GroupFull,      // a favourite group holds its 100 members (or there is no such group)
  AlreadyMember,  // the group lists the program already
  NameExists,     // another group has the name
  NoGroup,        // a group slot outside 0-7
};

struct Result {
  bool ok = true;
  std::string message;
  ResultCode code = ResultCode::None;
  // Something the user should learn that did not stop the operation (a save that could
  // not keep its backup); shown in the status bar.
  std::string notice;

  static Result Success() { return {}; }
  static Result Failure(std::string why, ResultCode code = ResultCode::None) {
    return {false, std::move(why), code, {}};
  }
  bool Is(ResultCode c) const { return code == c; }
  explicit operator bool() const { return ok; }
};
