#pragma once
// The subcommands that compare and exchange databases: diff, export, import.
#include <CLI/CLI.hpp>

void AddExchangeCommands(CLI::App& app, int& exitCode);
