#include "annotation/segmentation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

#include "annotation/reason_text.h"
#include "annotation/textgrid_reader.h"
#include "platform/encoding.h"
#include "platform/file_io.h"

namespace zor {
namespace {

// A word boundary this close to a sound boundary is that boundary: aligners
// and hand labelling place the two tiers' boundaries apart by rounding.
constexpr std::uint64_t kToleranceMs = 1;

constexpr std::string_view kSoundTierNames[] = {"phones", "MAU"};
constexpr std::string_view kWordTierNames[] = {"words", "ORT-MAU"};
constexpr std::string_view kSoundSuffix = " - phones";
constexpr std::string_view kWordSuffix = " - words";

bool ends_with(std::string_view text, std::string_view suffix) {
  return text.size() > suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

const TextGridTier* tier_named(const TextGrid& grid, std::string_view name) {
  for (const TextGridTier& tier : grid.tiers) {
    if (tier.is_interval_tier && tier.name == name) return &tier;
  }
  return nullptr;
}

const TextGridTier* first_known_tier(const TextGrid& grid, std::span<const std::string_view> names,
                                     std::string_view speaker_suffix) {
  for (const TextGridTier& tier : grid.tiers) {
    if (!tier.is_interval_tier) continue;
    if (std::find(names.begin(), names.end(), tier.name) != names.end()) return &tier;
    if (ends_with(tier.name, speaker_suffix)) return &tier;
  }
  return nullptr;
}

// The word tier that belongs to the sound tier found by its known name.
const TextGridTier* partner_word_tier(const TextGrid& grid, const TextGridTier& sound_tier) {
  std::string partner;
  if (sound_tier.name == kSoundTierNames[0]) partner = kWordTierNames[0];
  if (sound_tier.name == kSoundTierNames[1]) partner = kWordTierNames[1];
  if (ends_with(sound_tier.name, kSoundSuffix)) {
    partner = sound_tier.name.substr(0, sound_tier.name.size() - kSoundSuffix.size()) +
              std::string(kWordSuffix);
  }
  return partner.empty() ? nullptr : tier_named(grid, partner);
}

std::string tier_place(const TextGridTier& tier) {
  return "a(z) " + quote_text(tier.name) + " rétegben";
}

struct Span {
  std::uint32_t start = 0, end = 0;
};

// The samples of each interval of a tier, checked to follow one another.
bool tier_spans(const TextGridTier& tier, std::vector<Span>& spans, std::string& why) {
  constexpr double kLastSecond =
      static_cast<double>(std::numeric_limits<std::uint32_t>::max()) / kSamplesPerSecond;
  spans.clear();
  spans.reserve(tier.intervals.size());
  for (const TextGridInterval& interval : tier.intervals) {
    for (double time : {interval.xmin, interval.xmax}) {
      if (!std::isfinite(time) || time < 0 || time > kLastSecond) {
        why = "Érvénytelen idő " + tier_place(tier) + ": " + seconds_text(time);
        return false;
      }
    }
    Span span{static_cast<std::uint32_t>(std::llround(interval.xmin * kSamplesPerSecond)),
              static_cast<std::uint32_t>(std::llround(interval.xmax * kSamplesPerSecond))};
    if (!spans.empty() && span.start > spans.back().end) {
      why = "Hézag " + tier_place(tier) + ": " +
            seconds_text(double(spans.back().end) / kSamplesPerSecond) + " – " +
            seconds_text(interval.xmin);
      return false;
    }
    if (!spans.empty() && span.start < spans.back().end) {
      why = "Átfedés " + tier_place(tier) + ": " + seconds_text(interval.xmin);
      return false;
    }
    if (span.end <= span.start) {
      why = "Egy mintánál rövidebb intervallum " + tier_place(tier) + ": " +
            seconds_text(interval.xmin);
      return false;
    }
    spans.push_back(span);
  }
  return true;
}

class Segmenter {
 public:
  Segmenter(const TextGrid& grid, const TierNames& names, const SymbolSet& symbols)
      : grid_(grid), names_(names), symbols_(symbols) {}

  bool run(Segmentation& out, std::string& why);

 private:
  bool find_tiers(std::string& why);
  bool sounds(Segmentation& out, std::string& why);
  bool words(Segmentation& out, std::string& why);
  // The sound boundary a word boundary stands for: 0 before the first sound,
  // the count of sounds after the last.
  bool snap(std::uint32_t sample, double seconds, size_t& boundary, std::string& why) const;

  const TextGrid& grid_;
  const TierNames& names_;
  const SymbolSet& symbols_;
  const TextGridTier* sound_tier_ = nullptr;
  const TextGridTier* word_tier_ = nullptr;
  // Each sound's start, then the end of the last.
  std::vector<std::uint32_t> boundaries_;
};

bool Segmenter::find_tiers(std::string& why) {
  if (!names_.sound_tier.empty()) {
    sound_tier_ = tier_named(grid_, names_.sound_tier);
    if (!sound_tier_) {
      why = "Nincs " + quote_text(names_.sound_tier) + " nevű intervallumréteg a TextGrid-ben";
      return false;
    }
  } else {
    sound_tier_ = first_known_tier(grid_, kSoundTierNames, kSoundSuffix);
    if (!sound_tier_) {
      why =
          "Nincs hangréteg a TextGrid-ben (keresett nevek: \"phones\", \"MAU\", "
          "\"<beszélő> - phones\")";
      return false;
    }
  }
  if (!names_.word_tier.empty()) {
    word_tier_ = tier_named(grid_, names_.word_tier);
    if (!word_tier_) {
      why = "Nincs " + quote_text(names_.word_tier) + " nevű intervallumréteg a TextGrid-ben";
      return false;
    }
  } else {
    word_tier_ = partner_word_tier(grid_, *sound_tier_);
    if (!word_tier_) word_tier_ = first_known_tier(grid_, kWordTierNames, kWordSuffix);
    if (!word_tier_) {
      why =
          "Nincs szóréteg a TextGrid-ben (keresett nevek: \"words\", \"ORT-MAU\", "
          "\"<beszélő> - words\")";
      return false;
    }
  }
  return true;
}

bool Segmenter::sounds(Segmentation& out, std::string& why) {
  std::vector<Span> spans;
  if (!tier_spans(*sound_tier_, spans, why)) return false;
  if (spans.empty()) {
    why = "Üres a(z) " + quote_text(sound_tier_->name) + " réteg";
    return false;
  }
  out.sounds.reserve(spans.size());
  boundaries_.reserve(spans.size() + 1);
  for (size_t i = 0; i < spans.size(); ++i) {
    const TextGridInterval& interval = sound_tier_->intervals[i];
    std::optional<SymbolSet::Sound> sound = symbols_.find(interval.text);
    if (!sound) {
      why = "Ismeretlen hangjel " + tier_place(*sound_tier_) + ": " +
            quote_text(trim_blanks(interval.text)) + " (" + seconds_text(interval.xmin) + ")";
      return false;
    }
    out.sounds.push_back({std::move(sound->label), sound->is_long, spans[i].start});
    boundaries_.push_back(spans[i].start);
  }
  out.end = spans.back().end;
  boundaries_.push_back(out.end);
  return true;
}

bool Segmenter::snap(std::uint32_t sample, double seconds, size_t& boundary,
                     std::string& why) const {
  auto near = [](std::uint32_t a, std::uint32_t b) {
    std::uint64_t distance = a > b ? a - b : b - a;
    return distance * 1000 <= kToleranceMs * kSamplesPerSecond;
  };
  const size_t last = boundaries_.size() - 1;
  auto after = std::lower_bound(boundaries_.begin(), boundaries_.end(), sample);
  size_t index = static_cast<size_t>(after - boundaries_.begin());
  // The nearer of the boundaries on either side.
  if (index > last ||
      (index > 0 && sample - boundaries_[index - 1] < boundaries_[index] - sample)) {
    --index;
  }
  if (near(sample, boundaries_[index])) {
    boundary = index;
    return true;
  }
  // Outside the sounds a word-tier boundary marks nothing.
  if (sample < boundaries_.front()) {
    boundary = 0;
    return true;
  }
  if (sample > boundaries_.back()) {
    boundary = last;
    return true;
  }
  why = "Hanghatártól 1 ms-nál távolabbi szóhatár " + tier_place(*word_tier_) + ": " +
        seconds_text(seconds);
  return false;
}

bool Segmenter::words(Segmentation& out, std::string& why) {
  std::vector<Span> spans;
  if (!tier_spans(*word_tier_, spans, why)) return false;
  size_t covered = 0;  // the sounds in words so far
  auto uncovered = [&] {
    why = "Szóba nem eső hang " + tier_place(*word_tier_) + ": " +
          seconds_text(double(boundaries_[covered]) / kSamplesPerSecond);
    return false;
  };
  for (size_t i = 0; i < spans.size(); ++i) {
    const TextGridInterval& interval = word_tier_->intervals[i];
    size_t first = 0, past = 0;
    if (!snap(spans[i].start, interval.xmin, first, why) ||
        !snap(spans[i].end, interval.xmax, past, why)) {
      return false;
    }
    if (past <= first) continue;
    if (first != covered) return uncovered();
    out.word_starts.push_back(first);
    std::string_view text = trim_blanks(interval.text);
    out.word_texts.push_back(SymbolSet::is_pause(text) ? std::string() : to_cp1250(text));
    covered = past;
  }
  if (covered != boundaries_.size() - 1) return uncovered();
  return true;
}

bool Segmenter::run(Segmentation& out, std::string& why) {
  return find_tiers(why) && sounds(out, why) && words(out, why);
}

}  // namespace

bool segment_textgrid(const TextGrid& grid, const TierNames& tiers, const SymbolSet& symbols,
                      Segmentation& out, std::string& reason) {
  Segmentation result;
  std::string why;
  if (!Segmenter(grid, tiers, symbols).run(result, why)) {
    reason = to_cp1250(why);
    return false;
  }
  out = std::move(result);
  return true;
}

bool read_segmentation(std::string_view textgrid_path, const TierNames& tiers,
                       const SymbolSet& symbols, Segmentation& out, std::string& reason) {
  std::string bytes;
  InputError error;
  if (!read_file_bytes(textgrid_path, bytes, kMaxInputBytes, &error)) {
    reason = to_cp1250("A TextGrid nem olvasható: " + input_error_text(error));
    return false;
  }
  TextGrid grid;
  return parse_textgrid(bytes, grid, reason) && segment_textgrid(grid, tiers, symbols, out, reason);
}

}  // namespace zor
