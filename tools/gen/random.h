#pragma once
// A small seeded generator whose sequence is the same on every platform and
// library (the standard distributions are not), so a seed names one corpus.
#include <cstdint>
#include <vector>

namespace zor::gen {

class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  // SplitMix64.
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // Uniform in [low, high] (the tiny modulo bias does not matter here).
  int between(int low, int high) {
    return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
  }
  // True with the given chance in percent.
  bool percent(int chance) { return between(0, 99) < chance; }
  template <typename T>
  const T& pick(const std::vector<T>& items) {
    return items[next() % items.size()];
  }
  // An index drawn by the weights.
  size_t weighted(const std::vector<int>& weights) {
    int total = 0;
    for (int weight : weights) total += weight;
    int draw = between(0, total - 1);
    size_t i = 0;
    while (draw >= weights[i]) draw -= weights[i++];
    return i;
  }

 private:
  std::uint64_t state_;
};

}  // namespace zor::gen
