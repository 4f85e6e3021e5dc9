#pragma once
// quelmar-cli recover: the database a recovery journal left, without a window.
#include <CLI/CLI.hpp>

void AddRecoverCommand(CLI::App& app, int& exitCode);
