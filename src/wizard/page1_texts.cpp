#include "wizard/page1_texts.h"

#include <charconv>
#include <cstdio>

#include "platform/paths.h"

namespace zor {

std::string size_text(std::uint64_t bytes, char separator) {
  std::string digits = std::to_string(bytes);
  if (digits.size() < 4) return digits;
  size_t first = digits.size() % 3;
  std::string text = digits.substr(0, first);
  for (size_t at = first; at < digits.size(); at += 3) {
    if (!text.empty()) text += separator;
    text += digits.substr(at, 3);
  }
  return text;
}

std::string date_text(int year, int month, int day, int hour, int minute) {
  int hour12 = hour % 12 == 0 ? 12 : hour % 12;
  char text[48];
  std::snprintf(text, sizeof text, "%d/%d/%02d %02d:%02d %s", month, day, ((year % 100) + 100) % 100,
                hour12, minute, hour <= 12 ? "AM" : "PM");
  return text;
}

std::string info_line(const std::string& name, const WavSummary& wav) {
  // Fixed notation without the process locale, which the GUI may have set.
  char seconds[64];
  auto end = std::to_chars(seconds, seconds + sizeof seconds, wav.seconds, std::chars_format::fixed, 3);
  std::string text = name + " :  ";
  text.append(seconds, end.ec == std::errc{} ? end.ptr : seconds);
  text += " sec    " + std::to_string(wav.frames) + " minta    " + std::to_string(wav.sample_rate) +
          " Hz    " + std::to_string(wav.bits_per_sample) + " bit    " +
          std::to_string(wav.channels) + " csatorna  ";
  return text;
}

bool selection_fits(const std::vector<std::string>& paths) {
  if (paths.empty()) return true;
  size_t needed;
  if (paths.size() == 1) {
    needed = paths[0].size() + 1;
  } else {
    std::string directory = directory_part(paths[0]);
    if (directory.size() > 1) directory.pop_back();  // the list names the folder without it
    needed = directory.size() + 1 + 1;
    for (const std::string& path : paths) needed += file_name_part(path).size() + 1;
  }
  return needed <= kFileNameBufferSize;
}

}  // namespace zor
