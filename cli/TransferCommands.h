#pragma once
// The subcommands that move a database between a file and the receiver. main() calls
// this once before parsing; each registered subcommand stores its exit status in
// exitCode when it runs.
#include <CLI/CLI.hpp>

void AddTransferCommands(CLI::App& app, int& exitCode);
