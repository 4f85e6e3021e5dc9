#pragma once
// Small helpers shared by the engine tests.
#include <cstdint>
#include <vector>

#include "support/LinkImages.h"
#include "support/RecordingObserver.h"
#include "support/Wait.h"

using testkit::PatternData;
using testkit::PatternImage;
using testkit::RecordingObserver;
using testkit::WaitUntil;
