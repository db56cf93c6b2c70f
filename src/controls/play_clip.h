#pragma once
// Plays a piece of a recording, its PCM bytes as the WAV file holds them,
// through the system's audio output.
#include <string>

#include "controls/wav_header.h"

struct PcmClip {
  zor::WavFormat format;  // rate, channels and sample size of the bytes
  std::string bytes;      // whole frames
};

// Returns when the clip has been played, or at once with an error code of
// play_wav.h (kPlayWavCannotOpen for a format the output cannot take).
int PlayClip(const PcmClip& clip);
