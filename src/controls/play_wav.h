#pragma once
// Plays a recording to its end through the system's audio output.
#include <string>

inline constexpr int kPlayWavOk = 0;
inline constexpr int kPlayWavCannotOpen = 1;  // missing, unreadable or not playable
inline constexpr int kPlayWavNoDevice = 2;    // the system has no audio output
inline constexpr int kPlayWavPlayFailed = 3;  // opened, but playing broke off
inline constexpr int kPlayWavTimedOut = 4;    // the player never reported an end

// Returns when the whole file has been played, or at once with an error
// code. User input is held back meanwhile (the page does not respond while
// a recording plays), but the player's own events run. Takes a
// Windows-1250 path.
int PlayWav(const std::string& path);
