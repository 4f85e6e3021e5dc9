// quelmar-cli: the editor's document and engines without a window, for scripts,
// backups and tests.
#include <iostream>

#include <CLI/CLI.hpp>

#include "cli/CliCommon.h"
#include "cli/DbCommands.h"
#include "cli/TransferCommands.h"

int main(int argc, char** argv) {
  CLI::App app{"Quelmar channel database tool"};
  app.name("quelmar-cli");
  app.require_subcommand(1);
  int exitCode = cli::kExitOk;
  AddDbCommands(app, exitCode);
  AddTransferCommands(app, exitCode);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "quelmar-cli: " << e.what() << '\n';
    return cli::kExitUsage;
  }
  return exitCode;
}
