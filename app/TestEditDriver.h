#pragma once
// Exists for the crash tests only: with QUELMAR_TEST_EDITS=<count>:<interval ms> in the
// environment, the window makes `count` fixed edits at that pace, each a named step
// through the document's one door, and prints "step K" on stdout once step K is done,
// so that a test can kill the real program between steps and check what its recovery
// journal restores. Without the variable nothing happens.
#include <string>

class CQuelmarDoc;

namespace TestEditDriver {

// Step `k` (counted from 1), named "Test Step k": step 3 lays the database out for
// another receiver variant (TypeA, or TypeC from TypeA); every other step moves row
// (k*7) mod n of the TV list to position (k*13) mod n (one further when that is where it
// stands). The tests replay the same steps in-process.
void EditStep(CQuelmarDoc& doc, int k);
std::string StepName(int k);

// Starts the edits when the environment asks for them.
void StartFromEnvironment(CQuelmarDoc& doc);

}  // namespace TestEditDriver
