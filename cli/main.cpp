// quelmar-cli: the editor's document and engines without a window, for scripts,
// backups and tests.
#include <iostream>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/CliCommon.h"
#include "cli/CliHelp.h"
#include "cli/DbCommands.h"
#include "cli/ExchangeCommands.h"
#include "cli/RecoverCommand.h"
#include "cli/StandardStreams.h"
#include "cli/TransferCommands.h"
#include "cli/UpdateTranspondersCommand.h"

int main(int argc, char** argv) {
  cli::GuardStandardStreams();
  CLI::App app{cli::kSummary};
  app.name("quelmar-cli");
  app.formatter(cli::ManualFormatter());
  app.set_help_flag("-h,--help", cli::kHelpOption);
  app.set_version_flag("--version", std::string("quelmar-cli ") + QUELMAR_VERSION, cli::kVersionOption);
  app.require_subcommand(1);
  int exitCode = cli::kExitOk;
  AddDbCommands(app, exitCode);
  AddExchangeCommands(app, exitCode);
  AddTransferCommands(app, exitCode);
  AddRecoverCommand(app, exitCode);
  AddUpdateTranspondersCommand(app, exitCode);
  // "help" and a misspelt command are answered before parsing, which would only call
  // the word an unexpected argument.
  if (argc >= 2) {
    const std::string first = argv[1];
    if (first == "help") return cli::FinishStandardStreams(cli::PrintHelp(app, argc >= 3 ? argv[2] : ""));
    if (!first.starts_with('-') && !cli::IsCommand(app, first))
      return cli::FinishStandardStreams(cli::UnknownCommand(app, first));
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& e) {  // --help, --version
    return cli::FinishStandardStreams(app.exit(e));
  } catch (const CLI::ParseError& e) {
    return cli::FinishStandardStreams(cli::Usage(e.what()));
  }
  return cli::FinishStandardStreams(exitCode);
}
