#pragma once
// Outcome of opening or saving a document file: ok, or a one-line reason to show.
#include <string>
#include <utility>

struct DocResult {
  bool ok = true;
  std::string message;
  // Save only: nothing was written because the file changed on disk since it was
  // opened or last saved; `message` is the question to ask before overwriting it.
  bool changedOnDisk = false;

  static DocResult Success() { return {}; }
  static DocResult Failure(std::string why) { return {false, std::move(why)}; }
  static DocResult ChangedOnDisk(std::string question) { return {false, std::move(question), true}; }
  explicit operator bool() const { return ok; }
};
