#pragma once
// A corpus of Hungarian sentences spoken by espeak-ng: per sentence the WAV
// file, its label, pitch-mark and text files, and a list file naming them.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "speak/speech.h"

namespace zor::speak {

// Four speakers: the voice's own, a woman's, a faster man's, a slower woman's.
inline constexpr std::string_view kDefaultVoices = "hu@170,hu+f2@150,hu+m3@190,hu+f4@135";

// A comma list of espeak-ng voices, each with "@" and its rate in words per
// minute or without it (175). False with a message for an empty list or a
// rate that is no number from 80 to 450.
bool parse_speakers(std::string_view list, std::vector<Speaker>& speakers, std::string& error);

struct SpeakOptions {
  std::filesystem::path out;
  std::filesystem::path sentences;  // UTF-8, one sentence a line
  int count = 0;                    // the first this many sentences; 0 for all
  std::vector<Speaker> speakers;    // taking turns, sentence by sentence
};

struct SpeakSummary {
  int recordings = 0;
  std::uint64_t sounds = 0;  // sound rows the conversion will write
  std::filesystem::path list;
};

// False with a message when the sentences cannot be read or spoken or a file
// cannot be written.
bool speak_corpus(const SpeakOptions& options, SpeakSummary& summary, std::string& error);

}  // namespace zor::speak
