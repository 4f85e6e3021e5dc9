#pragma once
// Outcome of opening or saving a document file: ok, or a one-line reason to show.
#include <string>
#include <utility>

struct DocResult {
  bool ok = true;
  std::string message;

  static DocResult Success() { return {}; }
  static DocResult Failure(std::string why) { return {false, std::move(why)}; }
  explicit operator bool() const { return ok; }
};
