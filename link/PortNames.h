#pragma once
// Names the "Port" list offers and the devices they open. Rows 0-3 stay "COM1".."COM4"
// (the first four on-board serial ports); USB adapters found on the machine follow, and
// any typed device path (an adapter, a pseudo-terminal) is opened as given.
#include <string>
#include <vector>

namespace PortNames {

inline constexpr int kComPortCount = 4;

// "COM1" for index 0.
std::string ComName(int index);

// "COMn" (n >= 1) opens /dev/ttyS(n-1); any other name is a device path and opens as is.
std::string DevicePath(const std::string& name);

// "COM1".."COM4", then the ttyUSB* and ttyACM* devices under `devDir` as full paths,
// each family in numeric order (ttyUSB2 before ttyUSB10).
std::vector<std::string> List(const std::string& devDir = "/dev");

}  // namespace PortNames
