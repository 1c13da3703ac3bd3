#pragma once

// What a script reads from the exit status.
inline constexpr int kExitDone = 0;
inline constexpr int kExitRefused = 1;  // the file or the write was refused; nothing written
inline constexpr int kExitUsage = 2;

// diff answers as diff and cmp do, so a script can tell "different" from "could not compare".
inline constexpr int kExitSame = 0;
inline constexpr int kExitDifferent = 1;
inline constexpr int kExitTrouble = 2;
