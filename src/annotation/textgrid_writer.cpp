#include "annotation/textgrid_writer.h"

#include <charconv>

#include "platform/encoding.h"

namespace zor {
namespace {

std::string time_text(std::uint32_t sample) {
  const double seconds = static_cast<double>(sample) / kSamplesPerSecond;
  char buffer[64];
  for (int digits = 15; digits <= 17; ++digits) {
    auto written =
        std::to_chars(buffer, buffer + sizeof buffer, seconds, std::chars_format::general, digits);
    double back = 0;
    std::from_chars(buffer, written.ptr, back);
    if (back == seconds || digits == 17) return std::string(buffer, written.ptr);
  }
  return {};
}

// Praat doubles a quote inside a string.
std::string string_text(std::string_view utf8) {
  std::string text = "\"";
  for (char c : utf8) {
    text.push_back(c);
    if (c == '"') text.push_back('"');
  }
  return text + "\"";
}

struct Interval {
  std::uint32_t start, end;
  std::string text;  // UTF-8
};

void write_tier(std::string& out, int number, std::string_view name, std::uint32_t start,
                std::uint32_t end, const std::vector<Interval>& intervals) {
  out += "    item [" + std::to_string(number) + "]:\n";
  out += "        class = \"IntervalTier\" \n";
  out += "        name = " + string_text(name) + " \n";
  out += "        xmin = " + time_text(start) + " \n";
  out += "        xmax = " + time_text(end) + " \n";
  out += "        intervals: size = " + std::to_string(intervals.size()) + " \n";
  for (size_t i = 0; i < intervals.size(); ++i) {
    out += "        intervals [" + std::to_string(i + 1) + "]:\n";
    out += "            xmin = " + time_text(intervals[i].start) + " \n";
    out += "            xmax = " + time_text(intervals[i].end) + " \n";
    out += "            text = " + string_text(intervals[i].text) + " \n";
  }
}

}  // namespace

std::string textgrid_text(const Segmentation& segmentation) {
  const auto& sounds = segmentation.sounds;
  const std::uint32_t start = sounds.empty() ? 0 : sounds.front().start;
  const std::uint32_t end = segmentation.end;
  auto sound_end = [&](size_t i) { return i + 1 < sounds.size() ? sounds[i + 1].start : end; };

  std::vector<Interval> phones;
  phones.reserve(sounds.size());
  for (size_t i = 0; i < sounds.size(); ++i) {
    std::string label = from_cp1250(sounds[i].label);
    if (sounds[i].is_long && (label.empty() || label.back() != ':')) label += ':';
    phones.push_back({sounds[i].start, sound_end(i), std::move(label)});
  }
  std::vector<Interval> words;
  const auto& word_starts = segmentation.word_starts;
  words.reserve(word_starts.size());
  for (size_t w = 0; w < word_starts.size(); ++w) {
    const size_t first = word_starts[w];
    if (first >= sounds.size()) break;
    const std::uint32_t word_end = w + 1 < word_starts.size() && word_starts[w + 1] < sounds.size()
                                       ? sounds[word_starts[w + 1]].start
                                       : end;
    std::string text = w < segmentation.word_texts.size() ? from_cp1250(segmentation.word_texts[w])
                                                          : std::string();
    words.push_back({sounds[first].start, word_end, std::move(text)});
  }

  std::string out;
  out.reserve(200 + (phones.size() + words.size()) * 110);
  out += "File type = \"ooTextFile\"\n";
  out += "Object class = \"TextGrid\"\n\n";
  out += "xmin = " + time_text(start) + " \n";
  out += "xmax = " + time_text(end) + " \n";
  out += "tiers? <exists> \n";
  out += "size = 2 \n";
  out += "item []: \n";
  write_tier(out, 1, "phones", start, end, phones);
  write_tier(out, 2, "words", start, end, words);
  return out;
}

}  // namespace zor
