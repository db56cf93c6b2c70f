#pragma once
// A sentence cut into sounds and words, in sample positions: what a TextGrid
// from an aligner (MFA, WebMAUS) or from Praat by hand gives the corpus.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "annotation/symbol_set.h"
#include "annotation/textgrid.h"

namespace zor {

// The corpus' sampling rate; times are rounded to the nearest sample.
inline constexpr std::uint32_t kSamplesPerSecond = 22050;

struct SegmentedSound {
  std::string label;  // Windows-1250
  bool is_long = false;
  std::uint32_t start = 0;
  bool operator==(const SegmentedSound&) const = default;
};

struct Segmentation {
  // In time order; each ends where the next starts.
  std::vector<SegmentedSound> sounds;
  // The sample where the last sound ends.
  std::uint32_t end = 0;
  // Index in `sounds` of each word's first sound, increasing, first is 0.
  std::vector<size_t> word_starts;
  // Windows-1250, one per word start; "" for an empty/pause word interval.
  std::vector<std::string> word_texts;
  bool operator==(const Segmentation&) const = default;
};

// UTF-8; empty: found by the known names. Without names the sound tier is
// the first interval tier called "phones" (MFA), "MAU" (WebMAUS) or
// "<speaker> - phones" (MFA with several speakers), and the word tier is its
// partner: "words", "ORT-MAU" or "<speaker> - words" with the same speaker;
// when the partner is missing, the first tier of any of those word-tier names.
struct TierNames {
  std::string sound_tier, word_tier;
};

// Builds the segmentation from a parsed grid. False with a Hungarian cp1250 reason (naming
// the symbol/time/tier); `out` is then left as it was.
//
// Each interval of the sound tier is a sound; its intervals must follow one another without
// gap or overlap, and none may be shorter than a sample. Every word-tier interval that holds
// the start of a sound begins a word, also an empty one (a pause word); its boundaries must
// lie within 1 ms of a sound boundary, and every sound must lie in a word.
bool segment_textgrid(const TextGrid& grid, const TierNames& tiers, const SymbolSet& symbols,
                      Segmentation& out, std::string& reason);

// Reads the file (bounded, regular files only), parses and segments it. The path is
// Windows-1250; the reason does not repeat it.
bool read_segmentation(std::string_view textgrid_path, const TierNames& tiers,
                       const SymbolSet& symbols, Segmentation& out, std::string& reason);

}  // namespace zor
