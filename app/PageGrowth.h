#pragma once
// How the "Group/Channel" page shares out a window larger than the one it was built for:
// the lists take the extra width and height, every field keeps its size and moves with
// its box. At the built size nothing moves.
class CPageGroupCh;

namespace PageGrowth {

// The TV/Radio and favourite lists share the extra width and take the extra height; the
// copy buttons stay between them, the program box moves down under them.
void Attach(CPageGroupCh& page);

}  // namespace PageGrowth
