#pragma once
// Runs one transfer through a LineFault and says how it ended. The engines run against
// a MemoryPort in virtual time with the simulated receiver at the far end, so a cell
// that waits out the engine's whole retry limit still takes milliseconds.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "hardening/LineFault.h"
#include "sim/SimReceiver.h"

class CQuelmarDoc;

enum class Ending {
  Completed,    // "Download end successfully." and the bytes arrived identical
  DownloadFail, // "Download Fail."
  NoResponse,   // "IRD No response: Retry download."
  QuietEnd,     // receive refused the header: status "STATUS_RCV_END", no message box
  UntilCancel,  // send still asking to connect; the user's Cancel ends it
  Looping,      // still repeating a unit the other end rejects every time; Cancel ends it
  Wrong,        // a wrong image was accepted, or a failure was reported as success
  Hang,         // still running past the bound
  Unexpected,   // ended some other way
};

struct CellResult {
  Ending ending = Ending::Unexpected;
  bool injected = false;          // the fault really hit its step
  std::uint64_t virtualMs = 0;    // how long the transfer took on the line
  double stopMs = 0;              // real time the Cancel (stopping the engine) took
  std::string detail;
};

// The document sends come from: the sample database under DbType 3.
std::unique_ptr<CQuelmarDoc> MatrixDocument();
const char* EndingCode(Ending e);
// Whether a direction may end that way: the bytes arrived identical, or the user is told
// of the failure the way that transfer dialog tells it (a receive may also end quietly
// on a refused header; a send may go on asking to connect until Cancel).
bool AcceptableEnding(Direction d, Ending e);

// The image both directions carry: the sample database under DbType 3, as the editor
// builds it.
const std::vector<std::uint8_t>& MatrixImage();

// `persistent`, when given, replaces the simulator's faults (faults that hit every time).
CellResult RunCell(Direction direction, const LineFault& fault, const SimFaults* persistent = nullptr);

// The rows of the table: each step, the data-phase steps once for the first packet and
// once for the final one.
std::vector<LineFault> MatrixRows();
std::string RowLabel(Direction direction, const LineFault& row);
