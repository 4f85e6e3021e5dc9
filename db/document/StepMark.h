#pragma once
// How a step marks the document modified once it ends: Caller leaves it to whoever
// opened the step; IfChanged marks when the step changed something; IfDone when its
// operation said it did its work; Always marks. With an undo history the history's clean
// state decides anyway; without one (quelmar-cli, page tests) an "Update" pressed over
// unchanged values still counts, as it always has.
enum class StepMark { Caller, IfChanged, IfDone, Always };
