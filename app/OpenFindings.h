#pragma once
// Before a file is opened: what `check` would call wrong with the file itself, the bytes
// after its image (which no load reads and the next save drops) and section checksums
// that hold under no variant, asked about so that nothing opens without a word.
#include <string>

class QWidget;

namespace OpenFindings {

// True when the file may be opened: nothing to say, the user answered Yes, or it cannot
// be read as an image at all (opening then says why).
bool Accepted(QWidget* parent, const std::string& nativePath, int dbType);

}  // namespace OpenFindings
