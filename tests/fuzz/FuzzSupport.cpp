#include <cstdio>
#include <cstdlib>

#include "fuzz/FuzzTargets.h"

namespace {
FuzzEnding lastEnding;
}  // namespace

FuzzEnding LastFuzzEnding() { return lastEnding; }
void SetLastFuzzEnding(FuzzEnding ending) { lastEnding = ending; }

[[noreturn]] void FuzzFail(const char* what) {
  std::fprintf(stderr, "broken invariant: %s\n", what);
  std::fflush(stderr);
  std::abort();
}
