#pragma once
// What nicctl's exit code tells a script.

inline constexpr int kExitNoAnswer = 1;  // nothing (or not everything) answered
inline constexpr int kExitUsage = 2;     // bad arguments; the network was not touched
inline constexpr int kExitNetwork = 3;   // the network could not be used
