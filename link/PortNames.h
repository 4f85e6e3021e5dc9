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

// A row of the "Port" list: the name a port is opened by, and how the list shows it.
struct Port {
  std::string name;   // "COM1", or a device path such as "/dev/ttyUSB0"
  std::string label;  // "COM1", or "/dev/ttyUSB0 (FT232R USB UART)" when sysfs names it
};

// "COM1".."COM4", then the ttyUSB* and ttyACM* devices under `devDir` as full paths,
// each family in numeric order (ttyUSB2 before ttyUSB10).
std::vector<std::string> List(const std::string& devDir = "/dev");
// The same rows, each USB adapter labelled with the product name its USB device gives
// under `sysRoot` (the machine's /sys; tests give a tree of their own).
std::vector<Port> Ports(const std::string& devDir = "/dev", const std::string& sysRoot = "/sys");

// The product name of the USB device behind the terminal `ttyName` ("ttyUSB0"), read
// from sysfs; "" when there is none.
std::string ProductName(const std::string& ttyName, const std::string& sysRoot = "/sys");

}  // namespace PortNames
