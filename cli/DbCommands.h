#pragma once
// The subcommands that work on database files alone: new, sample, info, check, resave.
#include <CLI/CLI.hpp>

void AddDbCommands(CLI::App& app, int& exitCode);
