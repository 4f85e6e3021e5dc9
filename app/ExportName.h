#pragma once
// The name "Export…" proposes: the document's base name with the format's extension, in
// the document's folder, numbered ("demo-2.json") past the names already taken there,
// so that accepting it never replaces an earlier export.
#include <QString>

namespace exportname {

// `documentPath` may be empty (a document in no file yet): `title` gives the base name
// and the current folder is used.
QString Proposed(const QString& documentPath, const QString& title, const QString& extension);

}  // namespace exportname
