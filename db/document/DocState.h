#pragma once
// One whole state of the document as a load leaves it: the header, the stored databases
// and the working one. A receive records the states on both sides of it as one step, so
// that undo gives the document back as it was before, edits included. Only the document
// can look inside.
#include <memory>

class DocState;
using DocStatePtr = std::shared_ptr<const DocState>;
