#pragma once
// Messages built below the window (db/, link/) in English, as quelmar-cli prints them,
// shown by the window in the language in force.
//
// The lower layers fill their table texts with arguments and hand up the finished
// English line (Result::message, a notice, a transfer status). Rather than carry the
// template and its arguments beside every such line through db/ and link/, the window
// recognises which template made the line, takes the arguments back out of it,
// translates the template and fills it again. Arguments that are themselves table
// texts (a reason, a record kind) are translated the same way; names and paths stay
// as they are. A line no template made is shown as it came.
#include <QString>
#include <string>

namespace CoreMessages {

QString Said(const QString& english);
QString Said(const std::string& english);

// The core templates with places to fill, as Said knows them (for the translation
// test, which holds this list to the catalogue).
QStringList Templates();

}  // namespace CoreMessages
