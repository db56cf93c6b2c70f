#pragma once
// One hit of a specification and the statistics the result table reports.
#include <cstdint>
#include <string>
#include <string_view>

namespace zor {

struct Hit {
  std::int64_t duration = 0;  // whole ms
  // As the corpus tables write them; the sound number is empty for a word.
  std::string_view sound_number, word_number, sentence_number;
};

// The upper bound of the hit's 10 ms interval: 10 for 0, the duration itself
// for a multiple of 10, otherwise the next multiple of 10 above it.
inline std::int64_t interval_bound(std::int64_t duration) {
  if (duration == 0) return 10;
  if (duration % 10 == 0) return duration;
  return (duration / 10 + 1) * 10;
}

// The duration and the three numbers of a hit joined by ";".
std::string hit_items(std::int64_t duration, std::string_view sound_number,
                      std::string_view word_number, std::string_view sentence_number);

struct HitExtreme {
  std::int64_t duration = 0;
  std::string sound_number, word_number, sentence_number;

  void take(const Hit& hit);
  std::string items() const;
};

// Count, sum, and the earliest hits with the smallest and the largest
// duration. The first hit sets both extremes; a later one replaces them only
// when strictly smaller or larger.
class HitStatistics {
 public:
  void add(const Hit& hit);
  // Whether a hit of this duration would become an extreme, so that add()
  // needs its numbers; any other hit may be counted by its duration alone.
  bool takes_extreme(std::int64_t duration) const {
    return count_ == 0 || duration < minimum_.duration || duration > maximum_.duration;
  }
  void add_duration(std::int64_t duration) {
    ++count_;
    sum_ += duration;
  }
  // The hits of `later`, all found after these, as if added one by one.
  void add_later(const HitStatistics& later);
  std::int64_t count() const { return count_; }
  std::int64_t mean() const { return count_ > 0 ? sum_ / count_ : 0; }  // truncated
  const HitExtreme& minimum() const { return minimum_; }
  const HitExtreme& maximum() const { return maximum_; }

 private:
  std::int64_t count_ = 0;
  std::int64_t sum_ = 0;
  HitExtreme minimum_, maximum_;
};

}  // namespace zor
