#pragma once
// A Praat TextGrid as read from a file: its tiers in file order. Text is kept
// in UTF-8, as Praat holds it, so that nothing is lost before a symbol is
// looked up.
#include <string>
#include <vector>

namespace zor {

struct TextGridInterval {
  double xmin = 0, xmax = 0;
  std::string text;  // UTF-8
  bool operator==(const TextGridInterval&) const = default;
};

struct TextGridTier {
  std::string name;  // UTF-8
  bool is_interval_tier = true;
  // Point tiers carry no sounds, so they are kept by name only, with no intervals.
  std::vector<TextGridInterval> intervals;
  bool operator==(const TextGridTier&) const = default;
};

struct TextGrid {
  double xmin = 0, xmax = 0;
  std::vector<TextGridTier> tiers;
  bool operator==(const TextGrid&) const = default;
};

}  // namespace zor
