#pragma once
// Seed inputs for the fuzz targets, made by our own code: whole document files of every
// DbType, and transcripts of good and of damaged transfers in the far end's script format.
#include <cstdint>
#include <string>
#include <vector>

struct Seed {
  std::string name;
  std::vector<std::uint8_t> bytes;
};

std::vector<Seed> DocumentSeeds();
std::vector<Seed> ReceiveSeeds();
std::vector<Seed> SendSeeds();
// JSON exports of sample databases of each DbType, and the channel lists of them.
std::vector<Seed> JsonImportSeeds();
std::vector<Seed> CsvImportSeeds();
// Transponder lists for the sample database's satellites, published-style and hostile.
std::vector<Seed> TransponderListSeeds();
