// Linked into every test and benchmark program: what the program keeps for a user
// (recovery journals, kept received images, settings) goes to folders of the program's
// own under the build tree, never to the user's. A test or a benchmark run by hand then
// leaves no journal for the next start of the window to offer to restore, and reads no
// setting the user made. A folder ctest already gave inside the build tree is kept.
#include <cerrno>
#include <cstdlib>
#include <string>

namespace {

bool UseOwnFolders() {
  const std::string build = QUELMAR_BINARY_DIR;
  const std::string home = build + "/test-home/" + program_invocation_short_name;
  const struct {
    const char* variable;
    const char* folder;
  } kinds[] = {{"XDG_STATE_HOME", "/state"}, {"XDG_DATA_HOME", "/data"}, {"XDG_CONFIG_HOME", "/config"}};
  for (const auto& k : kinds) {
    const char* given = std::getenv(k.variable);
    if (given != nullptr && std::string(given).starts_with(build + "/")) continue;
    ::setenv(k.variable, (home + k.folder).c_str(), 1);
  }
  return true;
}

[[maybe_unused]] const bool ownFolders = UseOwnFolders();

}  // namespace
