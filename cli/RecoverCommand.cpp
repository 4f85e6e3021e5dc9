#include "cli/RecoverCommand.h"

#include <iostream>
#include <memory>
#include <string>

#include "cli/CliCommon.h"
#include "db/document/CQuelmarDoc.h"
#include "db/document/JournalFormat.h"
#include "db/document/JournalRestore.h"

void AddRecoverCommand(CLI::App& app, int& exitCode) {
  struct Args {
    std::string journal, out;
  };
  auto a = std::make_shared<Args>();
  CLI::App* sub = app.add_subcommand(
      "recover", "write the database a recovery journal kept (the unsaved steps of a window that stopped) to OUT");
  sub->add_option("JOURNAL", a->journal, "recovery journal (in ~/.local/state/Quelmar/recovery)")->required();
  sub->add_option("OUT", a->out, "file to write")->required();
  sub->callback([&exitCode, a] {
    if (cli::OutputIsInput(a->out, {a->journal})) {
      exitCode = cli::kExitTrouble;
      return;
    }
    journal::Contents contents;
    if (Result read = journal::Read(a->journal, contents); !read) {
      exitCode = cli::Fail(cli::NamingFile(read.message, a->journal));
      return;
    }
    CQuelmarDoc doc;
    journal::Restored restored;
    if (Result done = journal::Restore(contents, doc, false, restored); !done) {
      exitCode = cli::Fail(cli::NamingFile(done.message, a->journal));
      return;
    }
    const journal::Summary summary = journal::Summarize(contents);
    std::cout << "restored " << summary.steps << (summary.steps == 1 ? " step" : " steps");
    if (!summary.lastName.empty()) std::cout << ", the last \"" << summary.lastName << '"';
    std::cout << '\n';
    if (contents.lost > 0)
      std::cerr << "quelmar-cli: " << contents.lost << (contents.lost == 1 ? " damaged record" : " damaged records")
                << " at the end could not be restored\n";
    const Result saved = doc.Save(a->out);
    if (saved) cli::ReportNotice(saved.notice);
    exitCode = saved ? cli::kExitOk : cli::Fail(saved.message);
  });
}
