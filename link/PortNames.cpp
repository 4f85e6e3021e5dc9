#include "link/PortNames.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

constexpr const char* kComPrefix = "COM";

// The number after `prefix` when `name` is the prefix followed by digits only.
bool NumberAfter(const std::string& name, const std::string& prefix, unsigned long& number) {
  if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return false;
  const std::string digits = name.substr(prefix.size());
  if (digits.size() > 6) return false;
  for (char c : digits)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  number = std::stoul(digits);
  return true;
}

std::vector<std::string> Family(const std::string& devDir, const std::string& prefix) {
  std::vector<std::pair<unsigned long, std::string>> found;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(devDir, ec)) {
    const std::string name = entry.path().filename().string();
    unsigned long n = 0;
    if (NumberAfter(name, prefix, n)) found.emplace_back(n, entry.path().string());
  }
  std::sort(found.begin(), found.end());
  std::vector<std::string> paths;
  for (auto& f : found) paths.push_back(std::move(f.second));
  return paths;
}

}  // namespace

namespace PortNames {

std::string ComName(int index) { return kComPrefix + std::to_string(index + 1); }

std::string DevicePath(const std::string& name) {
  unsigned long n = 0;
  if (NumberAfter(name, kComPrefix, n) && n >= 1) return "/dev/ttyS" + std::to_string(n - 1);
  return name;
}

std::vector<std::string> List(const std::string& devDir) {
  std::vector<std::string> names;
  for (int i = 0; i < kComPortCount; ++i) names.push_back(ComName(i));
  for (const char* prefix : {"ttyUSB", "ttyACM"}) {
    std::vector<std::string> family = Family(devDir, prefix);
    names.insert(names.end(), family.begin(), family.end());
  }
  return names;
}

std::vector<Port> Ports(const std::string& devDir, const std::string& sysRoot) {
  std::vector<Port> ports;
  for (std::string& name : List(devDir)) {
    std::string label = name;
    if (name.find('/') != std::string::npos) {
      const std::string product = ProductName(std::filesystem::path(name).filename().string(), sysRoot);
      if (!product.empty()) label += " (" + product + ")";
    }
    ports.push_back({std::move(name), std::move(label)});
  }
  return ports;
}

std::string ProductName(const std::string& ttyName, const std::string& sysRoot) {
  namespace fs = std::filesystem;
  std::error_code ec;
  // class/tty/<name>/device leads into the USB interface (ttyACM) or the serial port
  // below it (ttyUSB); the USB device that names the product is a level or two up.
  fs::path dir = fs::canonical(fs::path(sysRoot) / "class" / "tty" / ttyName / "device", ec);
  if (ec) return {};
  const fs::path root = fs::canonical(sysRoot, ec);
  for (int up = 0; up < 4 && !ec && dir != root && dir.has_relative_path(); ++up, dir = dir.parent_path()) {
    std::ifstream file(dir / "product");
    std::string product;
    if (file && std::getline(file, product)) {
      while (!product.empty() && std::isspace(static_cast<unsigned char>(product.back()))) product.pop_back();
      // Shown in a list row: one line of printable text.
      for (char& c : product)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
      return product;
    }
  }
  return {};
}

}  // namespace PortNames
