#pragma once
// quelmar-cli update-transponders: the satellites take the transponders they lack from
// a transponder list (satellites.xml).
#include <CLI/CLI.hpp>

void AddUpdateTranspondersCommand(CLI::App& app, int& exitCode);
