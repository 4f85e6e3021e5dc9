#pragma once
// Outcome of opening or saving a document file or taking a received image: ok, or a
// one-line reason to show.
#include <string>
#include <utility>

// Which check refused a received image, for a caller that words the refusal its own way.
enum class DocRefusal { None, ShortImage, NotValid };

struct DocResult {
  bool ok = true;
  std::string message;
  // Save only: nothing was written because the file changed on disk since it was
  // opened or last saved; `message` is the question to ask before overwriting it.
  bool changedOnDisk = false;
  DocRefusal refusal = DocRefusal::None;
  // Something the user should learn that did not stop the operation (a save that could
  // not keep its backup); shown in the status bar.
  std::string notice;

  static DocResult Success() { return {}; }
  static DocResult Failure(std::string why, DocRefusal refusal = DocRefusal::None) {
    return {false, std::move(why), false, refusal, {}};
  }
  static DocResult ChangedOnDisk(std::string question) { return {false, std::move(question), true, {}, {}}; }
  explicit operator bool() const { return ok; }
};
