#pragma once
// The texts of the recording list's size and date columns and of the page's
// information line (Windows-1250).
#include <cstdint>
#include <string>
#include <vector>

namespace zor {

// The byte count with its digits grouped by threes from the right, joined by
// `separator`; below 1000 the plain digits.
std::string size_text(std::uint64_t bytes, char separator);

// A local time as "M/D/YY hh:mm AM", where hours 0 to 12 show as AM and 13
// to 23 as PM, on the 12-hour clock (so 12:30 shows as "12:30 AM").
std::string date_text(int year, int month, int day, int hour, int minute);

struct WavSummary {
  double seconds;
  std::uint32_t frames;
  std::uint32_t sample_rate;
  unsigned bits_per_sample;
  unsigned channels;
};

// "a.wav :  2.000 sec    44100 minta    22050 Hz    16 bit    1 csatorna  "
std::string info_line(const std::string& name, const WavSummary& wav);

// Whether the chosen paths (all in one directory) fit the file dialog's name
// buffer of 1024 characters: one path with its end mark, or several as the
// directory and each name, each with its end mark, closed by one more.
inline constexpr std::size_t kFileNameBufferSize = 1024;
bool selection_fits(const std::vector<std::string>& paths);

}  // namespace zor
