// Every input that ever broke a fuzz target is kept under tests/fuzz/regressions/<target>/
// and replayed here in the ordinary and sanitizer builds, together with the seed corpora
// (good and damaged files and transfers) so the targets' own invariants are proven on
// inputs we understand. A broken invariant aborts with its name.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/FuzzTargets.h"
#include "fuzz/SeedCorpus.h"

namespace {

using Entry = int (*)(const std::uint8_t*, std::size_t);

std::vector<std::filesystem::path> Regressions(const std::string& target) {
  const auto dir = std::filesystem::path(QUELMAR_SOURCE_DIR) / "tests" / "fuzz" / "regressions" / target;
  std::vector<std::filesystem::path> files;
  if (!std::filesystem::is_directory(dir)) return files;
  for (const auto& e : std::filesystem::directory_iterator(dir))
    if (e.is_regular_file() && e.path().filename().string()[0] != '.') files.push_back(e.path());
  std::sort(files.begin(), files.end());
  return files;
}

// Skips (with the reason) while the target has no stored inputs: a test that replays
// nothing must not pass as if it had checked something.
void Replay(const std::string& target, Entry entry) {
  const auto files = Regressions(target);
  if (files.empty()) GTEST_SKIP() << "no stored inputs in tests/fuzz/regressions/" << target << "/ yet";
  for (const auto& file : files) {
    SCOPED_TRACE(file.filename().string());
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(entry(bytes.data(), bytes.size()), 0);
  }
}

void ReplaySeeds(const std::vector<Seed>& seeds, Entry entry) {
  for (const auto& seed : seeds) {
    SCOPED_TRACE(seed.name);
    EXPECT_EQ(entry(seed.bytes.data(), seed.bytes.size()), 0);
  }
}

}  // namespace

TEST(FuzzRegressions, DocumentInputsThatOnceFailed) { Replay("fuzz_document", FuzzDocument); }
TEST(FuzzRegressions, ReceiveInputsThatOnceFailed) { Replay("fuzz_receive", FuzzReceive); }
TEST(FuzzRegressions, SendInputsThatOnceFailed) { Replay("fuzz_send", FuzzSend); }
TEST(FuzzRegressions, JsonImportInputsThatOnceFailed) { Replay("fuzz_json_import", FuzzJsonImport); }
TEST(FuzzRegressions, CsvImportInputsThatOnceFailed) { Replay("fuzz_csv_import", FuzzCsvImport); }
TEST(FuzzRegressions, TransponderListInputsThatOnceFailed) { Replay("fuzz_transponder_list", FuzzTransponderList); }

TEST(FuzzSeeds, DocumentSeedsKeepTheInvariants) { ReplaySeeds(DocumentSeeds(), FuzzDocument); }
TEST(FuzzSeeds, ReceiveSeedsKeepTheInvariants) { ReplaySeeds(ReceiveSeeds(), FuzzReceive); }
TEST(FuzzSeeds, SendSeedsKeepTheInvariants) { ReplaySeeds(SendSeeds(), FuzzSend); }
TEST(FuzzSeeds, ImportSeedsKeepTheInvariants) {
  ReplaySeeds(JsonImportSeeds(), FuzzJsonImport);
  ReplaySeeds(CsvImportSeeds(), FuzzCsvImport);
  ReplaySeeds(TransponderListSeeds(), FuzzTransponderList);
}

// The good transcripts must really carry a transfer to its end, and the damaged ones
// must end it, or the corpus would only ever explore the first steps.
TEST(FuzzSeeds, TranscriptsReachTheEndTheyDescribe) {
  for (const auto& [seeds, entry] : {std::pair{ReceiveSeeds(), Entry{FuzzReceive}}, std::pair{SendSeeds(), Entry{FuzzSend}}}) {
    for (const auto& seed : seeds) {
      SCOPED_TRACE(seed.name);
      entry(seed.bytes.data(), seed.bytes.size());
      if (seed.name.rfind("ok_", 0) == 0) {
        EXPECT_TRUE(LastFuzzEnding().completed);
      } else if (seed.name.rfind("fail_", 0) == 0) {
        EXPECT_TRUE(LastFuzzEnding().failed);
      }
      // A pulled cable ends the transfer as a lost line, and nothing else does.
      EXPECT_EQ(LastFuzzEnding().lineLost, seed.name.find("hang_up") != std::string::npos);
    }
  }
}

// Degenerate inputs every target must survive.
TEST(FuzzSeeds, EmptyAndTinyInputs) {
  const std::uint8_t one[] = {0x80};
  for (Entry e : {FuzzDocument, FuzzReceive, FuzzSend, FuzzJsonImport, FuzzCsvImport, FuzzTransponderList}) {
    EXPECT_EQ(e(nullptr, 0), 0);
    EXPECT_EQ(e(one, sizeof one), 0);
  }
}
