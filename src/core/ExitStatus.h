#pragma once

// The outcome of a run, as the completion message carries it to the host and
// the console front end returns it.
enum ExitStatus : int {
    Succeeded = 0,
    Cancelled = 1,
    Failed = 2,
};

// Reading a report back (check and show): no error (warnings may remain),
// errors found, or a report or an output that could not be read or written.
inline constexpr int kCheckClean = 0;
inline constexpr int kCheckErrors = 1;
inline constexpr int kCheckUnreadable = 2;

// The console front end's status for options it cannot use (sysexits' EX_USAGE).
inline constexpr int kUnusableOptions = 64;
