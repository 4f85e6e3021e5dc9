#pragma once
// Entry functions of the fuzz targets. libFuzzer calls them through
// LLVMFuzzerTestOneInput; the regression test replays stored inputs through them in
// the ordinary builds. Each returns 0 and aborts on a broken invariant.
#include <cstddef>
#include <cstdint>

// A document file of arbitrary bytes, opened under each DbType; an accepted one gets a
// few record operations and is saved, and the saved file must reopen and save again to
// the same bytes.
int FuzzDocument(const std::uint8_t* data, std::size_t size);

// The receive engine, with the receiver's side of the line played from the input.
int FuzzReceive(const std::uint8_t* data, std::size_t size);

// The send engine, answered by the input.
int FuzzSend(const std::uint8_t* data, std::size_t size);

// A JSON export of arbitrary bytes: refused or taken, and what is taken exports and
// imports again to the same image.
int FuzzJsonImport(const std::uint8_t* data, std::size_t size);

// A channel-list CSV of arbitrary bytes, read and applied to a sample database.
int FuzzCsvImport(const std::uint8_t* data, std::size_t size);

// A transponder list (satellites.xml) of arbitrary bytes, read and applied to a sample
// database.
int FuzzTransponderList(const std::uint8_t* data, std::size_t size);

// How the last FuzzReceive or FuzzSend run ended, for tests of the seeds themselves.
struct FuzzEnding {
  bool completed = false;  // "Download end successfully."
  bool failed = false;     // ended any other way
  bool lineLost = false;   // ended because the line went away ("Line lost: ...")
};
FuzzEnding LastFuzzEnding();
void SetLastFuzzEnding(FuzzEnding ending);

// Stops the process the way a sanitizer finding would, naming the broken invariant.
[[noreturn]] void FuzzFail(const char* what);
