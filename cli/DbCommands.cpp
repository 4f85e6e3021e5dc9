#include "cli/DbCommands.h"

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/CliCommon.h"
#include "db/document/CQuelmarDoc.h"
#include "db/document/FileIo.h"
#include "db/exchange/DatabaseCheck.h"
#include "db/image/DatabaseImage.h"
#include "db/image/VariantDetection.h"
#include "db/operations/DatabaseOperations.h"
#include "db/operations/SampleDatabase.h"
#include "db/records/DbType.h"

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
  const Result saved = doc.Save(out);
  if (!saved) return cli::Fail(saved.message);
  cli::ReportNotice(saved.notice);
  return cli::kExitOk;
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
  j["matchingTypes"] = variant::MatchingTypes(image.data());
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
  std::cout << "matchingTypes:";
  for (const auto& t : j["matchingTypes"]) std::cout << ' ' << t.get<int>();
  std::cout << '\n';
  std::cout << "trailerWord: " << str(j["trailerWord"]) << '\n';
  if (j.contains("extraWord")) std::cout << "extraWord: " << str(j["extraWord"]) << '\n';
}

// The checksum report as before (stdout when all match, one line on stderr naming
// each wrong section), then one line a problem and a count.
int Check(const std::string& path, int dbType, bool json) {
  std::vector<std::uint8_t> image;
  std::string why;
  std::uint64_t fileSize = 0;
  if (!cli::ReadImage(path, image, &why, &fileSize)) {
    // A script reading the JSON learns why there is no report.
    if (json) {
      nlohmann::ordered_json j;
      j["file"] = path;
      j["type"] = dbType;
      j["error"] = why;
      std::cout << cli::DumpJson(j) << '\n';
    }
    return cli::kExitTrouble;
  }
  cli::HintOtherType(path, image, dbType);
  const CheckReport report = dbcheck::CheckFile(image.data(), fileSize, dbType);
  const int errors = report.Errors();
  if (json) {
    nlohmann::ordered_json j;
    j["file"] = path;
    j["type"] = dbType;
    j["checksums"] = nlohmann::ordered_json::array();
    for (const DatabaseImage::Section& s : DatabaseImage::Sections(dbType))
      j["checksums"].push_back({{"section", s.name},
                                {"offset", static_cast<std::uint32_t>(s.checksumOffset())},
                                {"ok", DatabaseImage::ChecksumMatches(image.data(), s)}});
    j["problems"] = nlohmann::ordered_json::array();
    for (const Problem& p : report.problems) {
      nlohmann::ordered_json pj;
      pj["severity"] = SeverityName(p.severity);
      pj["kind"] = p.KindId();
      pj["table"] = p.table;
      pj["slot"] = p.slot >= 0 ? nlohmann::ordered_json(p.slot) : nlohmann::ordered_json();
      if (p.position >= 0) pj["position"] = p.position;
      pj["message"] = p.message;
      if (p.channel >= 0) {
        pj["channelList"] = p.channelList;
        pj["channel"] = p.channel;
      }
      j["problems"].push_back(std::move(pj));
    }
    std::cout << cli::DumpJson(j) << '\n';
    return errors > 0 ? cli::kExitFound : cli::kExitOk;
  }
  std::string wrong;
  for (const DatabaseImage::Section& s : DatabaseImage::Sections(dbType))
    if (!DatabaseImage::ChecksumMatches(image.data(), s)) wrong += (wrong.empty() ? "" : ", ") + std::string(s.name);
  const std::string shownPath = cli::EscapeControls(path);
  if (wrong.empty())
    std::cout << shownPath << ": all checksums match\n";
  else
    cli::Fail(path + ": wrong checksum: " + wrong);
  for (const Problem& p : report.problems) {
    if (p.kind == CheckKind::ChecksumWrong) continue;  // said above
    std::cout << SeverityName(p.severity) << ' ' << p.KindId() << ' ' << p.table;
    // A list's entry is named by its channel number in the message; a record by its slot.
    if (p.slot >= 0 && p.channelList != p.table) std::cout << ' ' << p.slot;
    std::cout << ": " << cli::EscapeControls(p.message) << '\n';
  }
  const int warnings = report.Warnings();
  std::cout << shownPath << ": " << errors << (errors == 1 ? " error, " : " errors, ") << warnings
            << (warnings == 1 ? " warning" : " warnings") << '\n';
  return errors > 0 ? cli::kExitFound : cli::kExitOk;
}

}  // namespace

void AddDbCommands(CLI::App& app, int& exitCode) {
  // Option storage lives as long as the app; one set per subcommand.
  struct Args {
    int dbType = dbtype::kDefault;
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
    cli::AddJsonFlag(sub, a.json);
    sub->add_option("FILE", a.in, "database file")->required();
    sub->callback([&exitCode, &a, args] {
      std::vector<std::uint8_t> image;
      if (!cli::ReadImage(a.in, image)) {
        exitCode = cli::kExitTrouble;
        return;
      }
      cli::HintOtherType(a.in, image, a.dbType);
      const auto j = Describe(image, a.dbType);
      if (a.json)
        std::cout << cli::DumpJson(j) << '\n';
      else
        PrintText(j, a.in);
      exitCode = cli::kExitOk;
    });
  }
  {
    Args& a = (*args)[3];
    CLI::App* sub = app.add_subcommand(
        "check", "verify the checksum of every section of FILE and check its content: list entries and group "
                 "members that name no program, counts beyond a list's or a group's size, programs listed twice "
                 "(errors); programs in no list, links to records not in use, duplicate programs, empty names, "
                 "PIDs above 8191, values the receiver does not know (warnings); header fields the editor or a "
                 "transfer refuses, bytes after the database image (errors); exit status 0 without errors, 1 with errors, 2 when FILE cannot be "
                 "read (with --json, an object with the \"error\")");
    cli::AddTypeOption(sub, a.dbType);
    cli::AddJsonFlag(sub, a.json);
    sub->add_option("FILE", a.in, "database file")->required();
    sub->callback([&exitCode, &a, args] { exitCode = Check(a.in, a.dbType, a.json); });
  }
  {
    Args& a = (*args)[4];
    CLI::App* sub = app.add_subcommand("resave",
                                       "open IN as the editor does and save it to OUT, with fresh checksums");
    cli::AddTypeOption(sub, a.dbType);
    sub->add_option("IN", a.in, "database file to open")->required();
    sub->add_option("OUT", a.out, "file to write")->required();
    sub->callback([&exitCode, &a, args] {
      if (cli::OutputIsInput(a.out, {a.in})) {
        exitCode = cli::kExitTrouble;
        return;
      }
      CQuelmarDoc doc;
      doc.SetDbType(a.dbType);
      const Result opened = doc.Open(a.in);
      if (!opened) {
        // I/O failures already name the file; refusals do not.
        exitCode = cli::Fail(cli::NamingFile(opened.message, a.in));
        return;
      }
      const Result saved = doc.Save(a.out);
      if (saved) cli::ReportNotice(saved.notice);
      exitCode = saved ? cli::kExitOk : cli::Fail(saved.message);
    });
  }
}
