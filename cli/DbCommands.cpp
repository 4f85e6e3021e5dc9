#include "cli/DbCommands.h"

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/CliCommon.h"
#include "db/CQuelmarDoc.h"
#include "db/DatabaseImage.h"
#include "db/DatabaseOperations.h"
#include "db/FileIo.h"
#include "db/SampleDatabase.h"

namespace {

std::string Hex(std::uint32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%08X", v);
  return buf;
}

// Writes a database through the document, exactly as the editor saves.
int WriteDatabase(const ChannelDatabase& db, int dbType, const std::string& out) {
  CQuelmarDoc doc;
  doc.SetDbType(dbType);
  doc.LoadDatabase(sample::MakeHeader(dbType), db);
  const DocResult saved = doc.Save(out);
  if (!saved) return cli::Fail(saved.message);
  return cli::kExitOk;
}

// Reads a whole image file for inspection; unlike Open it does not refuse a header.
bool ReadImage(const std::string& path, std::vector<std::uint8_t>& image, int& exitCode) {
  const fileio::IoResult read = fileio::ReadPrefix(path, DatabaseImage::kImageSize, image);
  if (!read.ok) {
    exitCode = cli::Fail(fileio::Describe(read, path, "cannot read %1: %2"));
    return false;
  }
  if (image.size() < DatabaseImage::kImageSize) {
    exitCode = cli::Fail(path + ": " + std::to_string(image.size()) + " bytes, shorter than a database image (" +
                         std::to_string(DatabaseImage::kImageSize) + ")");
    return false;
  }
  return true;
}

nlohmann::ordered_json Describe(const std::vector<std::uint8_t>& image, int dbType) {
  const ImageHeader h(image.data());
  auto db = std::make_unique<ChannelDatabase>();
  ExtraBlock extra;
  DatabaseImage::ParseImage(image.data(), dbType, *db, &extra);

  nlohmann::ordered_json j;
  j["dbType"] = dbType;
  j["dbTypeName"] = dbtype::kNames[dbType];
  auto& hj = j["header"];
  hj["magic"] = Hex(h.Magic());
  hj["magicOk"] = h.Magic() == ImageHeader::kMagic;
  hj["makerName"] = cli::ToUtf8(h.MakerName());
  hj["validFlag"] = h.ValidFlag();
  hj["imageTypeWord"] = Hex(h.ImageTypeWord());
  hj["dataLength"] = Hex(h.DataLength());
  hj["productCode"] = cli::ToUtf8(h.ProductCode());
  hj["modelName"] = cli::ToUtf8(h.ModelName());
  hj["dataSum"] = Hex(h.DataSum());
  hj["versionTag"] = cli::ToUtf8(h.VersionTag());
  hj["headerSum"] = Hex(h.HeaderSum());
  hj["headerSumOk"] = h.HeaderSumMatches();
  auto& cj = j["counts"];
  cj["satellites"] = dbops::CountSatellites(*db);
  cj["transponders"] = dbops::CountTransponders(*db);
  cj["programs"] = dbops::CountPrograms(*db);
  cj["tvList"] = db->channelLists.tvList.Count();
  cj["radioList"] = db->channelLists.radioList.Count();
  cj["groups"] = dbops::CountFavoriteGroups(*db);
  auto& sj = j["checksums"];
  sj = nlohmann::ordered_json::array();
  for (const DatabaseImage::Section& s : DatabaseImage::Sections(dbType)) {
    sj.push_back({{"section", s.name},
                  {"offset", Hex(static_cast<std::uint32_t>(s.checksumOffset()))},
                  {"ok", DatabaseImage::ChecksumMatches(image.data(), s)}});
  }
  j["trailerWord"] = Hex(db->trailerWord);
  if (dbtype::HasExtraBlock(dbType)) j["extraWord"] = Hex(extra.ExtraWord());
  return j;
}

// Text from the file (names, the path) is escaped: it reaches a terminal.
void PrintText(const nlohmann::ordered_json& j, const std::string& path) {
  auto str = [](const nlohmann::ordered_json& v) {
    return cli::EscapeControls(v.is_string() ? v.get<std::string>() : v.dump());
  };
  std::cout << "file: " << cli::EscapeControls(path) << '\n';
  std::cout << "dbType: " << j["dbType"].get<int>() << " (" << j["dbTypeName"].get<std::string>() << ")\n";
  const auto& h = j["header"];
  std::cout << "magic: " << str(h["magic"]) << (h["magicOk"].get<bool>() ? "" : " (not a receiver header)") << '\n';
  for (const char* key : {"makerName", "validFlag", "imageTypeWord", "dataLength", "productCode", "modelName",
                          "dataSum", "versionTag"})
    std::cout << key << ": " << str(h[key]) << '\n';
  std::cout << "headerSum: " << str(h["headerSum"]) << (h["headerSumOk"].get<bool>() ? " (matches)" : " (wrong)")
            << '\n';
  for (const auto& [key, value] : j["counts"].items()) std::cout << key << ": " << value.dump() << '\n';
  for (const auto& c : j["checksums"])
    std::cout << "checksum " << str(c["section"]) << " at " << str(c["offset"]) << ": "
              << (c["ok"].get<bool>() ? "ok" : "WRONG") << '\n';
  std::cout << "trailerWord: " << str(j["trailerWord"]) << '\n';
  if (j.contains("extraWord")) std::cout << "extraWord: " << str(j["extraWord"]) << '\n';
}

}  // namespace

void AddDbCommands(CLI::App& app, int& exitCode) {
  // Option storage lives as long as the app; one set per subcommand.
  struct Args {
    int dbType = 3;
    std::string in, out;
    bool json = false;
  };
  auto args = std::make_shared<std::vector<Args>>(5);

  {
    Args& a = (*args)[0];
    CLI::App* sub = app.add_subcommand("new", "write an empty database to OUT");
    cli::AddTypeOption(sub, a.dbType);
    sub->add_option("OUT", a.out, "file to write")->required();
    sub->callback([&exitCode, &a, args] {
      auto db = std::make_unique<ChannelDatabase>();
      exitCode = WriteDatabase(*db, a.dbType, a.out);
    });
  }
  {
    Args& a = (*args)[1];
    CLI::App* sub = app.add_subcommand(
        "sample", "write a small demo database to OUT: a few satellites, transponders, programs and favourite groups");
    cli::AddTypeOption(sub, a.dbType);
    sub->add_option("OUT", a.out, "file to write")->required();
    sub->callback([&exitCode, &a, args] {
      auto db = std::make_unique<ChannelDatabase>();
      sample::BuildSampleDatabase(*db);
      exitCode = WriteDatabase(*db, a.dbType, a.out);
    });
  }
  {
    Args& a = (*args)[2];
    CLI::App* sub = app.add_subcommand("info",
                                       "show the header of FILE, how many records of each kind it holds and whether "
                                       "each section's checksum matches");
    cli::AddTypeOption(sub, a.dbType);
    sub->add_flag("--json", a.json, "print the information as JSON instead of text");
    sub->add_option("FILE", a.in, "database file")->required();
    sub->callback([&exitCode, &a, args] {
      std::vector<std::uint8_t> image;
      if (!ReadImage(a.in, image, exitCode)) return;
      const auto j = Describe(image, a.dbType);
      if (a.json)
        std::cout << j.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
      else
        PrintText(j, a.in);
      exitCode = cli::kExitOk;
    });
  }
  {
    Args& a = (*args)[3];
    CLI::App* sub = app.add_subcommand("check", "verify the checksum of every section of FILE");
    cli::AddTypeOption(sub, a.dbType);
    sub->add_option("FILE", a.in, "database file")->required();
    sub->callback([&exitCode, &a, args] {
      std::vector<std::uint8_t> image;
      if (!ReadImage(a.in, image, exitCode)) return;
      std::string wrong;
      for (const DatabaseImage::Section& s : DatabaseImage::Sections(a.dbType))
        if (!DatabaseImage::ChecksumMatches(image.data(), s)) wrong += (wrong.empty() ? "" : ", ") + std::string(s.name);
      if (!wrong.empty()) {
        exitCode = cli::Fail(a.in + ": wrong checksum: " + wrong);
        return;
      }
      std::cout << cli::EscapeControls(a.in) << ": all checksums match\n";
      exitCode = cli::kExitOk;
    });
  }
  {
    Args& a = (*args)[4];
    CLI::App* sub = app.add_subcommand("resave",
                                       "open IN as the editor does and save it to OUT, with fresh checksums");
    cli::AddTypeOption(sub, a.dbType);
    sub->add_option("IN", a.in, "database file to open")->required();
    sub->add_option("OUT", a.out, "file to write")->required();
    sub->callback([&exitCode, &a, args] {
      CQuelmarDoc doc;
      doc.SetDbType(a.dbType);
      const DocResult opened = doc.Open(a.in);
      if (!opened) {
        // I/O failures already name the file; refusals do not.
        const bool named = opened.message.find(a.in) != std::string::npos;
        exitCode = cli::Fail(named ? opened.message : a.in + ": " + opened.message);
        return;
      }
      const DocResult saved = doc.Save(a.out);
      exitCode = saved ? cli::kExitOk : cli::Fail(saved.message);
    });
  }
}
