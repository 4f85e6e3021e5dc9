#include "cli/UpdateTranspondersCommand.h"

#include <charconv>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/CliCommon.h"
#include "db/document/CQuelmarDoc.h"
#include "db/document/DbTexts.h"
#include "db/exchange/ExchangeInput.h"
#include "db/exchange/OrbitalPosition.h"
#include "db/exchange/SatellitesXml.h"
#include "db/exchange/TransponderUpdate.h"
#include "db/image/DatabaseImage.h"
#include "db/records/Cp1252.h"
#include "db/records/DbType.h"

namespace {

struct Args {
  int dbType = dbtype::kDefault;
  std::vector<std::string> maps;
  std::string list, in, out;
};

// "--map NAME=POS" given by hand: every satellite named NAME takes the list's satellite
// at POS. Says why on stderr and returns false when it cannot apply.
bool MapByHand(const std::string& map, const CQuelmarDoc& doc, const Args& a, const satxml::List& list,
               tpupdate::Matches& matches) {
  const std::string said = "--map \"" + map + "\": ";
  const std::size_t eq = map.rfind('=');
  int position = 0;
  const char* end = map.data() + map.size();
  if (eq == std::string::npos || eq == 0 ||
      std::from_chars(map.data() + eq + 1, end, position).ptr != end || eq + 1 == map.size()) {
    cli::Usage(said + "expected NAME=POSITION, the position in tenths of a degree as the list gives it "
                      "(192 for 19.2E, -8 for 0.8W)");
    return false;
  }
  const std::string name = map.substr(0, eq);
  const auto bytes = cp1252::FromUtf8(name);
  const int index = list.Find(position);
  if (index < 0) {
    cli::Fail(said + a.list + " has no satellite at position " + std::to_string(position) +
              (position >= -orbit::kMaxTenths && position <= orbit::kMaxTenths ? " (" + orbit::Format(position) + ")"
                                                                                : "") +
              "; nothing written");
    return false;
  }
  if (!bytes || tpupdate::MatchByHand(doc.Working(), *bytes, index, matches) == 0) {
    cli::Fail(said + a.in + " has no satellite named \"" + name + "\"; nothing written");
    return false;
  }
  return true;
}

int Update(const Args& a) {
  if (cli::OutputIsInput(a.out, {a.list, a.in})) return cli::kExitTrouble;
  exchangeinput::Input input;
  if (const auto why = satxml::Open(a.list, input)) return cli::Fail(*why);
  satxml::List list;
  if (const auto refusal = satxml::Read(input.Stream(), list))
    return cli::Fail(a.list + ": " + refusal->Message() + "; nothing written");
  std::vector<std::uint8_t> image;
  if (!cli::ReadImage(a.in, image)) return cli::kExitTrouble;
  cli::HintOtherType(a.in, image, a.dbType);
  // The database goes through the editor's document: opened, edited, saved.
  CQuelmarDoc doc;
  doc.SetDbType(a.dbType);
  if (const Result opened = doc.Open(a.in); !opened) return cli::Fail(cli::NamingFile(opened.message, a.in));
  tpupdate::Matches matches = tpupdate::MatchByName(doc.Working(), list);
  for (const std::string& map : a.maps)
    if (!MapByHand(map, doc, a, list, matches)) return cli::kExitTrouble;
  const tpupdate::Report report = doc.Apply({}, tpupdate::Apply, list, matches);
  // The database on stdout leaves the report to stderr.
  std::ostream& said = a.out == cli::kStdStream ? std::cerr : std::cout;
  if (a.out == cli::kStdStream) {
    std::vector<std::uint8_t> out(DatabaseImage::kImageSize);
    if (doc.BuildImage(out.data()) == 0) return cli::Fail(DbTexts::kNothingToSave);
    if (!cli::WriteOutput(a.out, out.data(), out.size())) return cli::kExitTrouble;
  } else {
    const Result saved = doc.Save(a.out);
    if (!saved) return cli::Fail(saved.message);
    cli::ReportNotice(saved.notice);
  }
  for (const std::string& line : tpupdate::Describe(report)) said << cli::EscapeControls(line) << '\n';
  return cli::kExitOk;
}

}  // namespace

void AddUpdateTranspondersCommand(CLI::App& app, int& exitCode) {
  auto a = std::make_shared<Args>();
  CLI::App* sub = app.add_subcommand(
      "update-transponders",
      "give the satellites of the database IN the transponders they lack from the transponder list LIST "
      "(satellites.xml) and save the result as OUT: a satellite takes those of the list's satellite at the position "
      "its name states (\"Astra 19.2E\", \"0.8W\"), or the one --map names; a transponder is present when the "
      "satellite has one of the same polarization within 2 MHz; nothing is removed or changed, circular "
      "polarizations are skipped; one line a satellite says what it took; exit status 0 when OUT was written, 2 "
      "when something was refused and nothing written");
  cli::AddTypeOption(sub, a->dbType);
  sub->add_option("--map", a->maps,
                  "the satellite NAME of IN takes the list's satellite at POS, in tenths of a degree as the list "
                  "gives it (192 for 19.2E, -8 for 0.8W); for names that state no position; repeatable")
      ->type_name("\"NAME=POS\"")
      ->allow_extra_args(false);
  sub->add_option("LIST", a->list, "the transponder list (satellites.xml)")->required();
  sub->add_option("IN", a->in, "the database to update")->required();
  sub->add_option("OUT", a->out, "file to write (\"-\": standard output); never LIST or IN itself")->required();
  sub->callback([&exitCode, a] { exitCode = Update(*a); });
}
