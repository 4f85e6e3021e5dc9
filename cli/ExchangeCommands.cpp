#include "cli/ExchangeCommands.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/CliCommon.h"
#include "db/document/CQuelmarDoc.h"
#include "db/document/DbTexts.h"
#include "db/document/FileIo.h"
#include "db/exchange/ChannelCsv.h"
#include "db/exchange/DatabaseDiff.h"
#include "db/exchange/ExchangeInput.h"
#include "db/exchange/ImageJson.h"
#include "db/exchange/ProgramDiff.h"
#include "db/exchange/ReferenceList.h"
#include "db/exchange/ReferenceOrder.h"
#include "db/image/DatabaseImage.h"
#include "db/image/VariantDetection.h"
#include "db/records/DbType.h"

namespace {

constexpr const char* kJson = "json";
constexpr const char* kCsv = "csv";
// What apply-order takes from the reference's programs besides their places.
constexpr const char* kTakeLocks = "locks";
constexpr const char* kTakeNames = "names";
constexpr const char* kTakeNone = "none";
// How diff pairs what it compares: by slot, record by record, or by what identifies a program.
constexpr const char* kBySlot = "slot";
constexpr const char* kByProgram = "program";
// Says why on stderr; what check, diff and import end with when they could not work.
int Trouble(const std::string& what) {
  cli::Fail(what);
  return cli::kExitTrouble;
}

// Text or JSON on stdout (no OUT, or "-"), or into OUT written whole or not at all.
int Emit(const std::string& text, const std::string& out) {
  return cli::WriteOutput(out.empty() ? cli::kStdStream : out, reinterpret_cast<const std::uint8_t*>(text.data()),
                          text.size())
             ? cli::kExitOk
             : cli::kExitTrouble;
}

// Opens IN for reading ("-": standard input); says why on stderr when it cannot.
bool OpenInput(const std::string& path, exchangeinput::Input& in) {
  const auto why = path == cli::kStdStream ? exchangeinput::OpenCopy(stdin, "standard input", in)
                                           : exchangeinput::Open(path, in);
  if (why) {
    cli::Fail(*why);
    return false;
  }
  return true;
}

// The comparison by program: what a rescan left of the programs, lists and groups.
int DiffByProgram(const std::string& a, const std::string& b, int dbType, bool json,
                  const std::vector<std::uint8_t>& imageA, const std::vector<std::uint8_t>& imageB) {
  auto dbA = std::make_unique<ChannelDatabase>(), dbB = std::make_unique<ChannelDatabase>();
  DatabaseImage::ParseImage(imageA.data(), dbType, *dbA, nullptr);
  DatabaseImage::ParseImage(imageB.data(), dbType, *dbB, nullptr);
  const progdiff::Result r = progdiff::Compare(*dbA, *dbB, dbType);
  if (json) {
    nlohmann::ordered_json j;
    j["a"] = a;
    j["b"] = b;
    j["type"] = dbType;
    j["by"] = kByProgram;
    j["same"] = r.Same();
    j["changes"] = nlohmann::ordered_json::array();
    for (const progdiff::Change& c : r.changes) j["changes"].push_back(progdiff::ToJson(c));
    std::cout << cli::DumpJson(j) << '\n';
  } else {
    for (const progdiff::Change& c : r.changes) std::cout << cli::EscapeControls(progdiff::Describe(c)) << '\n';
  }
  return r.Same() ? cli::kExitOk : cli::kExitFound;
}

int Diff(const std::string& a, const std::string& b, int dbType, bool json, const std::string& by) {
  std::vector<std::uint8_t> imageA, imageB;
  if (!cli::ReadImage(a, imageA) || !cli::ReadImage(b, imageB)) return cli::kExitTrouble;
  cli::HintOtherType(a, imageA, dbType);
  cli::HintOtherType(b, imageB, dbType);
  if (by == kByProgram) return DiffByProgram(a, b, dbType, json, imageA, imageB);
  const dbdiff::Result r =
      dbdiff::Compare(dbdiff::Side::FromImage(imageA.data(), dbType), dbdiff::Side::FromImage(imageB.data(), dbType));
  if (json) {
    nlohmann::ordered_json j;
    j["a"] = a;
    j["b"] = b;
    j["type"] = dbType;
    j["same"] = r.Same();
    j["changes"] = nlohmann::ordered_json::array();
    for (const dbdiff::Change& c : r.changes) j["changes"].push_back(dbdiff::ToJson(c));
    std::cout << cli::DumpJson(j) << '\n';
  } else {
    for (const dbdiff::Change& c : r.changes) std::cout << cli::EscapeControls(dbdiff::Describe(c)) << '\n';
  }
  return r.Same() ? cli::kExitOk : cli::kExitFound;
}

int Export(const std::string& in, const std::string& format, int dbType, const std::string& out) {
  std::vector<std::uint8_t> image;
  if (cli::OutputIsInput(out, {in})) return cli::kExitTrouble;
  if (!cli::ReadImage(in, image)) return cli::kExitTrouble;
  cli::HintOtherType(in, image, dbType);
  if (format == kJson) return Emit(imagejson::Dump(imagejson::Export(image.data(), dbType)), out);
  auto db = std::make_unique<ChannelDatabase>();
  DatabaseImage::ParseImage(image.data(), dbType, *db, nullptr);
  return Emit(channelcsv::Export(*db, dbType), out);
}

int ImportJson(const std::string& in, const std::string& out, int typeGiven) {
  if (cli::OutputIsInput(out, {in})) return cli::kExitTrouble;
  exchangeinput::Input input;
  if (!OpenInput(in, input)) return cli::kExitTrouble;
  imagejson::Json j;
  imagejson::Imported imported;
  auto refusal = imagejson::Parse(input.Stream(), j);
  if (!refusal) refusal = imagejson::Import(j, imported);
  // A header the editor would refuse to open makes no database file: refused as the
  // window's import refuses it, rather than rewritten behind the user's back.
  if (!refusal)
    if (const Result fits = CQuelmarDoc::CheckWholeImage(imported.image.data(), imported.image.size()); !fits)
      refusal = JsonRefusal{"$.header", fits.message.ends_with('.') ? fits.message.substr(0, fits.message.size() - 1)
                                                                     : fits.message};
  if (refusal) return Trouble(in + ": " + refusal->Message() + "; nothing written");
  if (typeGiven >= 0 && typeGiven != imported.dbType)
    return Trouble(in + ": describes a database of --type " + std::to_string(imported.dbType) + ", not " +
                   std::to_string(typeGiven) + "; nothing written");
  return cli::WriteImageOutput(out, imported.image) ? cli::kExitOk : cli::kExitTrouble;
}

// The working database is saved as OUT, or written to stdout with the report on stderr.
template <typename Report, typename Describe>
int SaveWithReport(CQuelmarDoc& doc, const std::string& out, const Report& report, Describe describe) {
  if (out == cli::kStdStream) {
    std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
    if (doc.BuildImage(image.data()) == 0) return Trouble(DbTexts::kNothingToSave);
    if (!cli::WriteOutput(out, image.data(), image.size())) return cli::kExitTrouble;
    for (const std::string& line : describe(report)) std::cerr << cli::EscapeControls(line) << '\n';
  } else {
    const Result saved = doc.Save(out);
    if (!saved) return Trouble(saved.message);
    cli::ReportNotice(saved.notice);
    for (const std::string& line : describe(report)) std::cout << cli::EscapeControls(line) << '\n';
  }
  return report.AllMatched() ? cli::kExitOk : cli::kExitFound;
}

int ImportCsv(const std::string& in, const std::string& file, const std::string& out, int dbType,
              const reflist::Options& options) {
  if (cli::OutputIsInput(out, {in, file})) return cli::kExitTrouble;
  exchangeinput::Input input;
  if (!OpenInput(in, input)) return cli::kExitTrouble;
  std::vector<channelcsv::Row> rows;
  if (const auto refusal = channelcsv::Read(input.Stream(), rows))
    return Trouble(in + ": " + refusal->Message() + "; nothing written");
  std::vector<std::uint8_t> image;
  if (!cli::ReadImage(file, image)) return cli::kExitTrouble;
  cli::HintOtherType(file, image, dbType);
  // The database goes through the editor's document: opened, edited, saved.
  CQuelmarDoc doc;
  doc.SetDbType(dbType);
  const Result opened = doc.Open(file);
  if (!opened) return Trouble(cli::NamingFile(opened.message, file));
  const reflist::Report report = doc.Apply({}, reflist::Apply, rows, options);
  return SaveWithReport(doc, out, report, reflist::Describe);
}

// refType < 0: REF is read as the window reads a reference, under --type unless its
// checksums hold only under another variant.
int ApplyOrder(const std::string& ref, const std::string& in, const std::string& out, int dbType, int refType,
               const reforder::Options& options) {
  if (cli::OutputIsInput(out, {ref, in})) return cli::kExitTrouble;
  // Both files are opened as the editor opens them, so a file it refuses is refused here.
  CQuelmarDoc reference;
  std::vector<std::uint8_t> image;
  if (!cli::ReadImage(ref, image)) return cli::kExitTrouble;
  if (refType < 0) {
    refType = variant::ReadAs(image.data(), dbType);
    if (refType != dbType)
      std::cerr << "quelmar-cli: "
                << cli::EscapeControls(ref + ": read as " + dbtype::kNames[refType] + " (--ref-type " +
                                       std::to_string(refType) + "), under which its checksums hold")
                << '\n';
  } else {
    cli::HintOtherType(ref, image, refType, "--ref-type");
  }
  reference.SetDbType(refType);
  const Result refOpened = reference.Open(ref);
  if (!refOpened) return Trouble(cli::NamingFile(refOpened.message, ref));
  if (!cli::ReadImage(in, image)) return cli::kExitTrouble;
  cli::HintOtherType(in, image, dbType);
  CQuelmarDoc doc;
  doc.SetDbType(dbType);
  const Result opened = doc.Open(in);
  if (!opened) return Trouble(cli::NamingFile(opened.message, in));
  const reforder::Report report = doc.Apply({}, reforder::Apply, reference.Working(), options);
  return SaveWithReport(doc, out, report, reforder::Describe);
}

}  // namespace

void AddExchangeCommands(CLI::App& app, int& exitCode) {
  struct Args {
    int dbType = dbtype::kDefault;
    int refType = dbtype::kDefault;
    std::string format, a, b, out;
    std::string by = kBySlot;
    bool json = false;
    bool takeNames = false;
    std::vector<std::string> take{kTakeLocks};
  };
  auto args = std::make_shared<std::vector<Args>>(4);
  const std::vector<std::string> formats{kJson, kCsv};

  {
    Args& a = (*args)[0];
    CLI::App* sub = app.add_subcommand(
        "diff", "compare two database files and print one change a line; by slot (the default), record by record: "
                "records added, removed or changed (each changed field with its old and new value), channels moved, "
                "inserted or removed in the TV and radio lists and the groups, header fields; by program, each "
                "program known by its satellite, frequency, polarization and service ID wherever a scan put it: "
                "programs added, removed, renamed, locked or unlocked or with other PIDs, and the moves in the "
                "lists and groups by channel number and name; positions count from 1 as in the window "
                "(--json gives them as indexes from 0); exit status 0 when they hold the same, "
                "1 when they differ, 2 when a file cannot be read");
    cli::AddTypeOption(sub, a.dbType);
    cli::AddJsonFlag(sub, a.json);
    sub->add_option("--by", a.by, "slot (record by record, the default) or program (after a rescan)")
        ->type_name("HOW")
        ->check(CLI::IsMember({kBySlot, kByProgram}));
    sub->add_option("A", a.a, "the older database file")->required();
    sub->add_option("B", a.b, "the newer database file")->required();
    sub->callback([&exitCode, &a, args] { exitCode = Diff(a.a, a.b, a.dbType, a.json, a.by); });
  }
  {
    Args& a = (*args)[1];
    CLI::App* sub = app.add_subcommand(
        "export", "write FILE as JSON (the whole image without loss: every slot of every table with every field by "
                  "name) or as CSV (one row per TV and radio list position, UTF-8, for spreadsheets)");
    cli::AddTypeOption(sub, a.dbType);
    sub->add_option("--format", a.format, "json or csv")->type_name("FORMAT")->required()->check(CLI::IsMember(formats));
    sub->add_option("-o,--output", a.out,
                    "file to write, whole or not at all; \"-\" or none: standard output; never FILE itself")
        ->type_name("OUT");
    sub->add_option("FILE", a.a, "database file")->required();
    sub->callback([&exitCode, &a, args] { exitCode = Export(a.a, a.format, a.dbType, a.out); });
  }
  {
    Args& a = (*args)[2];
    CLI::App* sub = app.add_subcommand(
        "import", "with --format json: rebuild the database file an export describes, byte for byte, into OUT; "
                  "with --format csv: apply the channel list IN to the database FILE and save the result as OUT "
                  "(rows are matched to programs by satellite, frequency, polarization and service ID, or by name; "
                  "matched programs take the rows' order, lock and groups (each in the place its groupPositions "
                  "gives), and with --take-names their names; the "
                  "rest follow in their former order; blank name and groups cells change nothing); exit status 0, 1 when a CSV row matched no program, 2 when something was refused and "
                  "nothing written");
    cli::AddTypeOption(sub, a.dbType);
    sub->add_option("--format", a.format, "json or csv")->type_name("FORMAT")->required()->check(CLI::IsMember(formats));
    sub->add_option("-o,--output", a.out, "file to write (\"-\": standard output); never IN or FILE itself")
        ->type_name("OUT")
        ->required();
    sub->add_option("IN", a.a, "the JSON or CSV file to read (\"-\": standard input)")->required();
    sub->add_option("FILE", a.b, "with --format csv: the database file the channel list applies to");
    sub->add_flag("--take-names", a.takeNames,
                  "with --format csv: the programs also take the rows' names (each renamed program is listed)");
    sub->callback([&exitCode, &a, args, sub] {
      if (a.format == kJson) {
        if (!a.b.empty()) {
          exitCode = cli::Usage("import --format json takes no FILE: the JSON is the whole database");
          return;
        }
        // The JSON names its type; a --type given must agree with it.
        exitCode = ImportJson(a.a, a.out, sub->count("--type") > 0 ? a.dbType : -1);
        return;
      }
      if (a.b.empty()) {
        exitCode = cli::Usage("import --format csv needs the database FILE the list applies to");
        return;
      }
      exitCode = ImportCsv(a.a, a.b, a.out, a.dbType, reflist::Options{a.takeNames});
    });
  }
  {
    Args& a = (*args)[3];
    CLI::App* sub = app.add_subcommand(
        "apply-order", "give the database IN the order of the database REF and save the result as OUT: the TV and "
                       "radio lists take REF's order and the eight favourite groups its names, members and member "
                       "order; programs are matched by satellite, frequency, polarization and service ID, or by "
                       "name; programs REF does not name follow the matched ones in their former order, and stay in "
                       "their groups after REF's members; each is listed; matched programs take REF's lock flags "
                       "too, and with --take names its names; exit status 0, 1 when a program of REF "
                       "matched no program of IN, 2 when something was refused and nothing written");
    cli::AddTypeOption(sub, a.dbType);
    sub->add_option("--take", a.take,
                    "what matched programs take from REF besides their places, separated by commas: locks, names, "
                    "or none (default: locks)")
        ->type_name("WHAT")
        ->delimiter(',')
        ->check(CLI::IsMember({kTakeLocks, kTakeNames, kTakeNone}));
    sub->add_option("--ref-type", a.refType,
                    "receiver variant 0-3 of REF (default: that of --type, or the one under which REF's "
                    "checksums hold when they do not hold under --type)")
        ->type_name("N")
        ->check(CLI::Range(0, dbtype::kCount - 1));
    sub->add_option("REF", a.a, "the database whose order to take")->required();
    sub->add_option("IN", a.b, "the database to reorder")->required();
    sub->add_option("OUT", a.out, "file to write (\"-\": standard output); never REF or IN itself")->required();
    sub->callback([&exitCode, &a, args, sub] {
      const auto takes = [&a](const char* what) { return std::find(a.take.begin(), a.take.end(), what) != a.take.end(); };
      if (takes(kTakeNone) && a.take.size() > 1) {
        exitCode = cli::Usage("apply-order --take none goes alone");
        return;
      }
      const reforder::Options options{takes(kTakeLocks), takes(kTakeNames)};
      exitCode = ApplyOrder(a.a, a.b, a.out, a.dbType, sub->count("--ref-type") > 0 ? a.refType : -1, options);
    });
  }
}
