// A TextGrid in any form: any bytes parse or fail with a reason, without a
// crash; a grid read keeps the promises of the reader; every segmentation
// made of it is well formed, and one written as a TextGrid reads back as
// itself.
#include <cmath>
#include <cstdint>

#include "annotation/segmentation.h"
#include "annotation/textgrid_reader.h"
#include "annotation/textgrid_writer.h"
#include "fuzz_files.h"

namespace {

void check_grid(const zor::TextGrid& grid) {
  using zor::fuzz::expect;
  auto good = [](double t) { return std::isfinite(t) && t >= 0; };
  expect(good(grid.xmin) && good(grid.xmax) && grid.xmin <= grid.xmax, "bad grid times");
  for (const zor::TextGridTier& tier : grid.tiers) {
    expect(tier.is_interval_tier || tier.intervals.empty(), "a point tier with intervals");
    for (size_t i = 0; i < tier.intervals.size(); ++i) {
      const zor::TextGridInterval& interval = tier.intervals[i];
      expect(good(interval.xmin) && good(interval.xmax) && interval.xmin <= interval.xmax,
             "bad interval times");
      expect(i == 0 || tier.intervals[i - 1].xmin <= interval.xmin, "intervals out of order");
    }
  }
}

void check_segmentation(const zor::Segmentation& s) {
  using zor::fuzz::expect;
  expect(!s.sounds.empty(), "a segmentation without sounds");
  for (size_t i = 1; i < s.sounds.size(); ++i) {
    expect(s.sounds[i - 1].start < s.sounds[i].start, "sounds out of order");
  }
  expect(s.sounds.back().start < s.end, "the last sound ends before it starts");
  expect(!s.word_starts.empty() && s.word_starts.front() == 0, "the first word is not at 0");
  expect(s.word_texts.size() == s.word_starts.size(), "word texts and starts differ");
  for (size_t i = 1; i < s.word_starts.size(); ++i) {
    expect(s.word_starts[i - 1] < s.word_starts[i], "words out of order");
  }
  expect(s.word_starts.back() < s.sounds.size(), "a word beyond the sounds");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace zor;
  TextGrid grid;
  std::string reason;
  if (!parse_textgrid(fuzz::as_bytes(data, size), grid, reason)) {
    fuzz::expect(!reason.empty(), "a failure without a reason");
    return 0;
  }
  check_grid(grid);
  static const SymbolSet kSets[] = {SymbolSet::zor(), SymbolSet::mfa(), SymbolSet::sampa()};
  for (const SymbolSet& symbols : kSets) {
    Segmentation segmentation;
    if (!segment_textgrid(grid, {}, symbols, segmentation, reason)) {
      fuzz::expect(!reason.empty(), "a refusal without a reason");
      continue;
    }
    check_segmentation(segmentation);
    // Whatever set read it, the labels are ZOR's, which the writer spells.
    TextGrid written;
    Segmentation back;
    fuzz::expect(parse_textgrid(textgrid_text(segmentation), written, reason),
                 "the written TextGrid does not parse");
    fuzz::expect(segment_textgrid(written, {}, kSets[0], back, reason),
                 "the written TextGrid does not segment");
    fuzz::expect(back == segmentation, "the written TextGrid reads back otherwise");
  }
  return 0;
}
