#include "link/PortProblem.h"

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "db/records/TextArgs.h"
#include "link/LinkTexts.h"

namespace PortProblem {
namespace {

// The name of the group that owns `path`: "" for root's own group (gid 0), the usual
// serial group when the device or its group cannot be looked at.
std::string GroupOf(const std::string& path) {
  struct stat st{};
  if (::stat(path.c_str(), &st) != 0) return LinkTexts::kSerialGroup;
  if (st.st_gid == 0) return {};
  std::vector<char> buf(4096);
  group g{};
  group* found = nullptr;
  if (::getgrgid_r(st.st_gid, &g, buf.data(), buf.size(), &found) != 0 || found == nullptr)
    return LinkTexts::kSerialGroup;
  return found->gr_name;
}

bool AllDigits(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

}  // namespace

std::string Holder(const std::string& path, const std::string& procRoot, pid_t self) {
  struct stat device{};
  if (::stat(path.c_str(), &device) != 0 || !S_ISCHR(device.st_mode)) return {};
  if (self < 0) self = ::getpid();
  namespace fs = std::filesystem;
  std::error_code ec;
  for (const auto& proc : fs::directory_iterator(procRoot, ec)) {
    const std::string pid = proc.path().filename().string();
    if (!AllDigits(pid) || pid == std::to_string(self)) continue;
    std::error_code fdEc;
    for (const auto& fd : fs::directory_iterator(proc.path() / "fd", fdEc)) {
      struct stat open{};
      // The entry is a link to what the descriptor has open; stat follows it.
      if (::stat(fd.path().c_str(), &open) != 0 || !S_ISCHR(open.st_mode) || open.st_rdev != device.st_rdev)
        continue;
      std::ifstream commFile(proc.path() / "comm");
      std::string comm;
      std::getline(commFile, comm);
      if (comm.empty()) comm = "?";
      return FillArgs(LinkTexts::kProcess, comm, pid);
    }
  }
  return {};
}

std::string Explain(const std::string& path, Kind kind, int err, const std::string& procRoot) {
  switch (kind) {
    case Kind::NotSerial: return FillArgs(LinkTexts::kNotSerialDevice, path);
    case Kind::OwnTerminal: return FillArgs(LinkTexts::kOwnTerminal, path);
    case Kind::System: break;
  }
  switch (err) {
    case EACCES:
    case EPERM: {
      const std::string group = GroupOf(path);
      return group.empty() ? FillArgs(LinkTexts::kRootOnly, path, LinkTexts::kSerialGroup)
                           : FillArgs(LinkTexts::kPermissionDenied, path, group);
    }
    case ENOENT:
    case ENODEV:
    case ENXIO: return FillArgs(LinkTexts::kNoSuchDevice, path);
    case EBUSY:
    case EWOULDBLOCK: {
      const std::string holder = Holder(path, procRoot);
      return holder.empty() ? FillArgs(LinkTexts::kDeviceBusy, path)
                            : FillArgs(LinkTexts::kDeviceBusyBy, path, holder);
    }
    default: return FillArgs(LinkTexts::kOtherOpenFailure, path, std::strerror(err));
  }
}

}  // namespace PortProblem
