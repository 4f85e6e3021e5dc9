#include "cli/RecoverCommand.h"

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/CliCommon.h"
#include "db/document/CQuelmarDoc.h"
#include "db/document/DbTexts.h"
#include "db/document/FileIo.h"
#include "db/document/JournalFormat.h"
#include "db/document/JournalRestore.h"
#include "db/image/DatabaseImage.h"
#include "db/image/ImageHeader.h"
#include "db/records/TextFill.h"

namespace {

const char* const kNotADatabase =
    "%1 exists and is not a database image; nothing written (--force replaces it)";

// OUT may be replaced when it is not there, or is a database image (it is then kept as
// OUT.bak, as a save keeps it). Anything else was most likely named by mistake.
bool MayReplace(const std::string& out) {
  if (!fileio::StampOf(out).Exists()) return true;
  std::vector<std::uint8_t> head;
  if (!fileio::ReadPrefix(out, DatabaseImage::kHeaderSize, head).ok) return true;  // Save says why
  return head.size() == DatabaseImage::kHeaderSize && ImageHeader(head.data()).Magic() == ImageHeader::kMagic;
}

// "restored 3 steps, the last "Delete Program [Kino 1]"", and the records lost.
void Report(std::ostream& to, const journal::Contents& contents) {
  const journal::Summary summary = journal::Summarize(contents);
  std::string line = "restored " + std::to_string(summary.steps) + (summary.steps == 1 ? " step" : " steps");
  if (!summary.lastName.empty()) line += ", the last \"" + summary.lastName + '"';
  to << cli::EscapeControls(line) << '\n';
  if (contents.lost > 0)
    std::cerr << "quelmar-cli: " << contents.lost << (contents.lost == 1 ? " damaged record" : " damaged records")
              << " at the end could not be restored\n";
}

int Recover(const std::string& journalPath, const std::string& out, bool force) {
  if (cli::OutputIsInput(out, {journalPath})) return cli::kExitTrouble;
  if (out != cli::kStdStream && !force && !MayReplace(out)) return cli::Fail(text::Fill(kNotADatabase, {out}));
  journal::Contents contents;
  if (Result read = journal::Read(journalPath, contents); !read)
    return cli::Fail(cli::NamingFile(read.message, journalPath));
  CQuelmarDoc doc;
  journal::Restored restored;
  if (Result done = journal::Restore(contents, doc, false, restored); !done)
    return cli::Fail(cli::NamingFile(done.message, journalPath));
  if (out == cli::kStdStream) {
    std::vector<std::uint8_t> image(DatabaseImage::kImageSize);
    if (doc.BuildImage(image.data()) == 0) return cli::Fail(DbTexts::kNothingToSave);
    if (!cli::WriteOutput(out, image.data(), image.size())) return cli::kExitTrouble;
    Report(std::cerr, contents);
    return cli::kExitOk;
  }
  const Result saved = doc.Save(out);
  if (!saved) return cli::Fail(saved.message);
  Report(std::cout, contents);
  cli::ReportNotice(saved.notice);
  return cli::kExitOk;
}

}  // namespace

void AddRecoverCommand(CLI::App& app, int& exitCode) {
  struct Args {
    std::string journal, out;
    bool force = false;
  };
  auto a = std::make_shared<Args>();
  CLI::App* sub = app.add_subcommand(
      "recover", "write the database a recovery journal kept (the unsaved steps of a window that stopped) to OUT; "
                 "an OUT that exists is replaced only when it is a database image, which is kept as OUT.bak");
  sub->add_option("JOURNAL", a->journal, "recovery journal (in ~/.local/state/Quelmar/recovery)")->required();
  sub->add_option("OUT", a->out, "file to write (\"-\": standard output, the report then on stderr)")->required();
  sub->add_flag("--force", a->force, "replace OUT even when it is not a database image");
  sub->callback([&exitCode, a] { exitCode = Recover(a->journal, a->out, a->force); });
}
