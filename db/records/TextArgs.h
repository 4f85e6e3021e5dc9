#pragma once
// Fills the %1 and %2 places of a message text, as the window's texts are filled.
#include <string>

std::string FillArgs(const std::string& text, const std::string& a1, const std::string& a2 = {});
