#pragma once
// Words for the corpus generator's recordings, written as a test reads them.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "gen/sentence.h"

namespace zor::test {

// A word of (label, samples) sounds; a label of more than one byte ("E:",
// "kk") is a long sound.
inline gen::Word word(std::vector<std::pair<std::string, std::uint32_t>> sounds, bool starts_word = true) {
  gen::Word result;
  for (auto& [label, samples] : sounds)
    result.sounds.push_back({label, label.size() > 1 ? "200" : "100", samples, false});
  result.starts_word = starts_word;
  return result;
}

}  // namespace zor::test
