#include "query/query_texts.h"

#include "platform/c_text.h"
#include "query/connection_list.h"

namespace zor {
namespace {

int occurrences(std::string_view text, std::string_view what) {
  int count = 0;
  for (size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1))
    ++count;
  return count;
}

}  // namespace

std::array<std::string_view, 3> split_three(std::string_view text) {
  size_t first = text.find(';');
  if (first == std::string_view::npos) return {std::string_view{}, std::string_view{}, text};
  size_t second = text.find(';', first + 1);
  if (second == std::string_view::npos) return {text.substr(0, first), std::string_view{}, text};
  return {text.substr(0, first), text.substr(first + 1, second - first - 1),
          text.substr(second + 1)};
}

std::array<std::string_view, 3> context_parts(std::string_view text) {
  if (text.size() < 5) return {};
  return split_three(text);
}

SoundTarget read_sound_target(std::string_view sound) {
  SoundTarget target;
  if (sound.size() > 2 && sound.front() == '<') {
    target.form = SoundForm::category;
    target.category = sound.substr(1, sound.size() - 2);
  } else if (sound.size() > 2 && sound.front() == '[') {
    target.form = SoundForm::sequence;
    std::string_view inner = sound.substr(1, sound.size() - 2);
    if (inner.size() > 4)
      for (std::string_view part : split_three(inner))
        if (!part.empty() && part != kAnySound && part != kNoSound) target.labels.emplace_back(part);
  } else {
    target.symbol = sound;
  }
  return target;
}

SyllableCondition SyllableCondition::read(std::string_view text) {
  SyllableCondition condition;
  if (text.empty()) return condition;
  condition.op = text.front();
  condition.value = static_cast<double>(read_c_int(text.size() > 2 ? text.substr(2) : ""));
  return condition;
}

bool SyllableCondition::holds(double syllables) const {
  switch (op) {
    case '<': return syllables < value;
    case '=': return syllables == value;
    case '>': return syllables > value;
    default: return false;
  }
}

LongVowelCounts LongVowelCounts::of(std::string_view sounds) {
  LongVowelCounts counts;
  counts.a = occurrences(sounds, "A:");
  counts.e = occurrences(sounds, "E:");
  for (std::string_view vowel : {"o:", "u:", "U:", "i:", "O:"})
    counts.other += occurrences(sounds, vowel);
  return counts;
}

bool a_or_e_count_holds(std::string_view field, int count) {
  if (field == kAnyAmount) return true;
  if (count > 4) return false;
  return field.size() == 1 && field[0] == static_cast<char>('0' + count);
}

bool other_long_count_holds(std::string_view field, int count) {
  if (field == kAnyAmount) return true;
  return count == 0 ? field == "0" : field == kOneOrMore;
}

}  // namespace zor
