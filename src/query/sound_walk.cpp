#include <algorithm>
#include <array>
#include <memory>
#include <span>

#include "query/candidate_blocks.h"
#include "query/connection_list.h"
#include "corpus/label_tree.h"
#include "query/query_walks.h"
#include "query/word_conditions.h"
#include "tables/prefetch.h"

namespace zor {
namespace {

// Whether a text is an element of each label list of the corpus, by list id.
std::vector<char> membership(std::string_view text, const TextIds& lists) {
  std::vector<char> member(lists.size(), 0);
  for (std::uint32_t id = 0; id < lists.size(); ++id) member[id] = in_comma_list(text, lists.text(id));
  return member;
}

// The candidates are tested a block at a time, one test after another over
// the whole block: each test reads its one column in the rows' order, which
// the processor foresees, and keeps the rows that pass at the block's front.
// A row walked through every test at once would wait on a column for each.
using Block = RowBlock;

// Keeps the rows of block[from, count) that pass, in order, at the front;
// returns how many.
template <class Keep>
size_t keep_if(Block& block, size_t from, size_t count, Keep keep) {
  size_t kept = 0;
  for (size_t i = from; i < count; ++i) {
    const std::uint32_t row = block[i];
    block[kept] = row;
    kept += keep(row) ? 1 : 0;
  }
  return kept;
}

// A context part other than "<BARMI>", matched against one neighbour.
struct ContextTest {
  const std::uint32_t* labels;  // the neighbour's label list of each row
  std::uint8_t bit;             // the neighbour's bit in neighbour_present
  bool wants_none;              // "<SEMMI>"
  std::vector<char> member;     // the part in the neighbour's label list
};

// The before context against the third, second and first sound before, then
// the after context against the first, second and third sound after. Only
// the parts that can fail are tested: most are "<BARMI>".
class Contexts {
 public:
  Contexts(const Specification& spec, const QueryCorpus& corpus) : present_(corpus.sounds().neighbour_present.data()) {
    auto before = context_parts(spec[kSpecBefore]);
    auto after = context_parts(spec[kSpecAfter]);
    for (size_t k = 0; k < static_cast<size_t>(kNeighbourCount); ++k) {
      const std::string_view part = k < 3 ? before[k] : after[k - 3];
      if (part == kAnySound) continue;
      tests_.push_back({corpus.sounds().neighbour_labels[k].data(), static_cast<std::uint8_t>(1u << k),
                        part == kNoSound, membership(part, corpus.label_lists())});
    }
  }
  size_t keep_matching(Block& block, size_t count) const {
    for (const ContextTest& test : tests_)
      count = keep_if(block, 0, count, [&](std::uint32_t row) {
        return present_[row] & test.bit ? test.member[test.labels[row]] != 0 : test.wants_none;
      });
    return count;
  }

 private:
  const std::uint8_t* present_;
  std::vector<ContextTest> tests_;
};

// Whether a candidate's word meets the word conditions, told by the word's
// class. The verdict is kept while the candidates stay in the same word, and
// it starts with the empty word number and "not good": the candidates before
// the first one of another word number are not good.
class WordVerdicts {
 public:
  WordVerdicts(const QueryCorpus& corpus, const Specification& spec)
      : keys_(corpus.sounds().word_keys.data()),
        classes_(corpus.sounds().word_classes.data()),
        empty_key_(corpus.empty_word_key()),
        good_(good_word_classes(corpus, spec)) {
    good_.push_back(false);  // kNoWordClass, as the last
  }

  size_t keep_good(Block& block, size_t count) {
    size_t from = 0;
    if (leading_) {
      while (from < count && keys_[block[from]] == empty_key_) ++from;
      leading_ = from == count;
    }
    return keep_if(block, from, count, [&](std::uint32_t row) {
      return good_[std::min<size_t>(classes_[row], good_.size() - 1)] != 0;
    });
  }

 private:
  const std::uint32_t* keys_;
  const std::uint32_t* classes_;
  std::uint32_t empty_key_;
  bool leading_ = true;
  std::vector<char> good_;  // by word class
};

// The 0-based rows from first_row up to end_row whose own label list is a
// member; `member` must outlive the candidates.
std::unique_ptr<CandidateBlocks> rows_in_lists(const QueryCorpus& corpus, const std::vector<char>& member,
                                               size_t first_row, size_t end_row) {
  std::vector<std::span<const std::uint32_t>> lists;
  size_t rows = 0;
  for (std::uint32_t id = 0; id < member.size(); ++id)
    if (member[id]) {
      lists.push_back(rows_between(corpus.rows_of_label_list(id), first_row, end_row));
      rows += lists.back().size();
    }
  if (lists.size() == 1) return std::make_unique<ListedCandidates>(lists.front());
  // Measured: merging costs several times a row's share of a pass over the
  // label column.
  if (rows >= (end_row - first_row) / 4)
    return std::make_unique<ScannedCandidates>(corpus.sounds().labels, member, first_row, end_row);
  return std::make_unique<MergedCandidates>(lists, first_row, end_row);
}

class SoundWalk {
 public:
  SoundWalk(const QueryCorpus& corpus, const Specification& spec, HitSink& sink)
      : columns_(corpus.sounds()),
        numbers_(corpus.hit_numbers()),
        words_(corpus, spec),
        contexts_(spec, corpus),
        any_position_(spec[kSpecWordPosition] == kAnyPosition),
        position_(corpus.sound_positions().find(spec[kSpecWordPosition])),
        sink_(sink) {}

  const SoundColumns& columns() const { return columns_; }

  // Each candidate that `first` keeps and then passes every test is a hit
  // lasting `duration(row)`.
  template <class First, class Duration>
  void walk(CandidateBlocks& candidates, First first, Duration duration) {
    Block block;
    block.reserve(kBlockRows);
    while (candidates.next(block)) {
      size_t count = first(block);
      count = words_.keep_good(block, count);
      if (!any_position_)
        count = keep_if(block, 0, count, [&](std::uint32_t row) { return columns_.positions[row] == position_; });
      count = contexts_.keep_matching(block, count);
      // The hits' facts lie anywhere: their durations are read in a pass of
      // their own, whose reads do not wait on each other, and their numbers
      // are fetched well ahead of their lines.
      durations_.resize(count);
      for (size_t i = 0; i < count; ++i) durations_[i] = duration(block[i]);
      constexpr size_t kAhead = 24;
      for (size_t i = 0; i < count; ++i) {
        if (i + kAhead < count) numbers_.prefetch(block[i + kAhead]);
        sink_.add_row(durations_[i], numbers_, block[i]);
      }
    }
  }

 private:
  const SoundColumns& columns_;
  const HitNumberStore& numbers_;
  WordVerdicts words_;
  Contexts contexts_;
  bool any_position_;
  std::uint32_t position_;
  HitSink& sink_;
  std::vector<std::int64_t> durations_;  // of a block's hits
};

// The first label in the row's own list, the second in the first following
// sound's and the third in the second following sound's; the hit lasts as
// long as the row and the rows after it, one row per label.
void walk_sequence(SoundWalk& walk, const QueryCorpus& corpus, const std::vector<std::string>& labels,
                   size_t first_row, size_t end_row) {
  if (labels.empty()) return;
  std::vector<std::vector<char>> member;
  for (const std::string& label : labels) member.push_back(membership(label, corpus.label_lists()));
  // The label lists of the first and second following sound.
  constexpr size_t kFollowing[] = {3, 4};
  const SoundColumns& columns = walk.columns();
  std::unique_ptr<CandidateBlocks> candidates = rows_in_lists(corpus, member.front(), first_row, end_row);
  walk.walk(
      *candidates,
      [&](Block& block) {
        size_t count = block.size();
        for (size_t k = 1; k < labels.size(); ++k) {
          const std::uint32_t* following = columns.neighbour_labels[kFollowing[k - 1]].data();
          count = keep_if(block, 0, count, [&](std::uint32_t row) { return member[k][following[row]] != 0; });
        }
        return count;
      },
      [&](std::uint32_t row) {
        std::int64_t duration = 0;
        for (size_t k = 0; k < labels.size() && row + k < columns.size(); ++k) duration += columns.durations[row + k];
        return duration;
      });
}

}  // namespace

void find_sound_hits(const QueryCorpus& corpus, const Specification& spec, HitSink& sink, WalkPart part) {
  const size_t rows = corpus.sounds().size();
  size_t first_row = part.begin(rows), end_row = part.end(rows);
  // The word verdicts start from the candidates of the empty word number
  // before all others, so a corpus with such sounds is walked whole by the
  // first part.
  if (corpus.empty_word_key() != TextIds::kUnknownText) {
    first_row = 0;
    end_row = part.index == 0 ? rows : 0;
  }
  const SoundTarget target = read_sound_target(spec[kSpecSound]);
  SoundWalk walk(corpus, spec, sink);
  auto all = [](const Block& block) { return block.size(); };
  auto own_duration = [&walk](std::uint32_t row) { return std::int64_t{walk.columns().durations[row]}; };
  switch (target.form) {
    case SoundForm::symbol: {
      ListedCandidates candidates(rows_between(corpus.rows_of_symbol(target.symbol), first_row, end_row));
      walk.walk(candidates, all, own_duration);
      break;
    }
    case SoundForm::category: {
      const std::vector<char> member = membership(target.category, corpus.label_lists());
      walk.walk(*rows_in_lists(corpus, member, first_row, end_row), all, own_duration);
      break;
    }
    case SoundForm::sequence: walk_sequence(walk, corpus, target.labels, first_row, end_row); break;
  }
}

}  // namespace zor
