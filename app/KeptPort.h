#pragma once
// The line the user chose in Config Setting, kept in the settings store for the next
// start: the port by its name ("COM2", a /dev/serial/by-id/ link of a USB adapter, a
// pseudo-terminal) and the speed. A USB adapter's path is not one of the rows a fresh
// start lists, and typing it again at every start is the chore this saves. The DbType
// is not kept: it follows the document that is open.
#include <QString>

#include "ui/transfer/LinkSettings.h"

namespace KeptPort {

void Keep(const LinkSettings& link);

// `start` with the kept port and speed put in; `start` itself when none is kept.
// `missing` receives the status bar's word when the kept port is a device path that is
// not there now (the choice stays), and is emptied otherwise.
LinkSettings Restore(const LinkSettings& start, QString& missing);

}  // namespace KeptPort
