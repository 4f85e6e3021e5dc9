#include "cli/TransferCommands.h"

// The receive and send subcommands are registered here once the link engines exist.
void AddTransferCommands(CLI::App& /*app*/, int& /*exitCode*/) {}
