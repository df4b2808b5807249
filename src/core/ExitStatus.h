#pragma once

// The outcome of a run, as the completion message carries it to the host and
// the console front end returns it.
enum ExitStatus : int {
    Succeeded = 0,
    Cancelled = 1,
    Failed = 2,
};

// The console front end's status for options it cannot use (sysexits' EX_USAGE).
inline constexpr int kUnusableOptions = 64;
