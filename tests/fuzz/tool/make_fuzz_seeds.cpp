// Writes the seed corpora of the fuzz targets: make_fuzz_seeds DIR creates
// DIR/fuzz_document, DIR/fuzz_receive, DIR/fuzz_send, DIR/fuzz_json_import and
// DIR/fuzz_csv_import and DIR/fuzz_transponder_list with one file per seed.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "fuzz/SeedCorpus.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
    return 2;
  }
  const std::filesystem::path root = argv[1];
  const struct {
    const char* target;
    std::vector<Seed> seeds;
  } corpora[] = {{"fuzz_document", DocumentSeeds()},
                 {"fuzz_receive", ReceiveSeeds()},
                 {"fuzz_send", SendSeeds()},
                 {"fuzz_json_import", JsonImportSeeds()},
                 {"fuzz_csv_import", CsvImportSeeds()},
                 {"fuzz_transponder_list", TransponderListSeeds()}};
  for (const auto& c : corpora) {
    const auto dir = root / c.target;
    std::filesystem::create_directories(dir);
    for (const auto& seed : c.seeds) {
      std::ofstream out(dir / ("seed_" + seed.name), std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(seed.bytes.data()), static_cast<std::streamsize>(seed.bytes.size()));
      if (!out) {
        std::fprintf(stderr, "cannot write %s\n", (dir / seed.name).c_str());
        return 1;
      }
    }
    std::printf("%s: %zu seeds\n", c.target, c.seeds.size());
  }
  return 0;
}
