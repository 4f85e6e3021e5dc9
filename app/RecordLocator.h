#pragma once
// Brings the record a check problem or a compared line concerns into view on its page,
// selected as a click would select it: a satellite or transponder on
// "Satellite/Transponder", a program, a list position or a group member on
// "Group/Channel". Each page reveals its own records; this only says which page and
// which record, and brings that page to the front when it shows one.
#include "db/exchange/DatabaseCheck.h"

class CMainSheet;

namespace recordlocator {

// False when the pages show no row for the record (a transponder of a satellite not in
// use, a program in no list or group, a slot beyond a table, a checksum).
bool Show(CMainSheet& sheet, const Problem& problem);
// A program where it first appears: the TV list, the radio list, then the groups.
bool ShowProgram(CMainSheet& sheet, int program);

}  // namespace recordlocator
