#pragma once
// quelmar-cli's stdout and stderr as a script depends on them: a write that fails (a
// full disk, a closed pipe, a closed descriptor) is an error the exit status reports,
// never a silent success and never a death by SIGPIPE.
namespace cli {

// Called first thing in main(): ignores SIGPIPE, so a reader that went away (`| head`)
// gives a write error instead of killing the program, and puts a descriptor that can
// never be written on any of 0, 1 and 2 that is closed, so no file or port the program
// opens later takes its place and receives its output.
void GuardStandardStreams();

// Called last: flushes stdout and checks both streams. Prints "write error" (on stderr,
// while it still works) when any write failed, and then returns kExitTrouble unless
// `exitCode` already tells of a failure; otherwise returns `exitCode`.
int FinishStandardStreams(int exitCode);

}  // namespace cli
