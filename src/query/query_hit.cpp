#include "query/query_hit.h"

namespace zor {

std::string hit_items(std::int64_t duration, std::string_view sound_number,
                      std::string_view word_number, std::string_view sentence_number) {
  std::string items = std::to_string(duration);
  for (std::string_view number : {sound_number, word_number, sentence_number}) {
    items += ';';
    items += number;
  }
  return items;
}

void HitExtreme::take(const Hit& hit) {
  duration = hit.duration;
  sound_number = hit.sound_number;
  word_number = hit.word_number;
  sentence_number = hit.sentence_number;
}

std::string HitExtreme::items() const {
  return hit_items(duration, sound_number, word_number, sentence_number);
}

void HitStatistics::add_later(const HitStatistics& later) {
  if (later.count_ == 0) return;
  if (count_ == 0 || later.minimum_.duration < minimum_.duration) minimum_ = later.minimum_;
  if (count_ == 0 || later.maximum_.duration > maximum_.duration) maximum_ = later.maximum_;
  count_ += later.count_;
  sum_ += later.sum_;
}

void HitStatistics::add(const Hit& hit) {
  if (count_ == 0 || hit.duration < minimum_.duration) minimum_.take(hit);
  if (count_ == 0 || hit.duration > maximum_.duration) maximum_.take(hit);
  add_duration(hit.duration);
}

}  // namespace zor
