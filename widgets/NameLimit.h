#pragma once
// A name field holds at most what its record field holds, counted in the record's bytes
// (one byte a character in the receiver's code page). Text typed or pasted past that is
// cut, never silently: the main window's status bar says so.
#include <cstddef>

class QLineEdit;

namespace NameLimit {

// Limits `edit` to `width` bytes. The characters just entered (those before the cursor)
// are the ones cut, so what the field held stays. A character the code page lacks is
// left for the field's exchange to refuse with its message.
void Attach(QLineEdit* edit, std::size_t width);

}  // namespace NameLimit
