#include <array>
#include <bit>
#include <span>

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

// A context part other than "<BARMI>", matched against one neighbour.
struct ContextTest {
  const std::uint32_t* labels;  // the neighbour's label list of each row
  std::uint8_t bit;             // the neighbour's bit in neighbour_present
  bool wants_none;              // "<SEMMI>"
  std::vector<char> member;     // the part in the neighbour's label list

  bool matches(size_t row, std::uint8_t present) const {
    if (!(present & bit)) return wants_none;
    return member[labels[row]] != 0;
  }
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
  bool match(size_t row) const {
    if (tests_.empty()) return true;
    const std::uint8_t present = present_[row];
    for (const ContextTest& test : tests_)
      if (!test.matches(row, present)) return false;
    return true;
  }
  void prefetch_row(size_t row) const {
    if (tests_.empty()) return;
    prefetch(&present_[row]);
    for (const ContextTest& test : tests_) prefetch(&test.labels[row]);
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
        empty_key_(corpus.empty_word_key()) {
    const WordConditions conditions(spec);
    for (const WordFacts& word : corpus.word_classes()) good_.push_back(conditions.hold(word));
  }

  bool good(size_t row) {
    if (leading_) {
      if (keys_[row] == empty_key_) return false;
      leading_ = false;
    }
    const std::uint32_t word_class = classes_[row];
    return word_class != QueryCorpus::kNoWordClass && good_[word_class];
  }
  void prefetch_row(size_t row) const { prefetch(&classes_[row]); }

 private:
  const std::uint32_t* keys_;
  const std::uint32_t* classes_;
  std::uint32_t empty_key_;
  bool leading_ = true;
  std::vector<char> good_;  // by word class
};

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

  // A candidate row (0-based) that passes every test is a hit lasting
  // `duration`.
  void candidate(size_t row, std::int64_t duration) {
    if (!words_.good(row)) return;
    if (!any_position_ && columns_.positions[row] != position_) return;
    if (!contexts_.match(row)) return;
    sink_.add_sound_row(duration, row);
  }

  const SoundColumns& columns() const { return columns_; }

  // Candidates far apart in the table cost a cache miss in each column a
  // test reads: those columns are asked for a few candidates ahead. Close
  // candidates are read in order, which the processor foresees by itself.
  template <class Visit>
  void visit_candidates(std::span<const std::uint32_t> rows, Visit visit) const {
    constexpr size_t kAhead = 16;
    constexpr size_t kScattered = 16;  // rows of the table per candidate
    if (rows.size() * kScattered > columns_.size()) {
      // Only the hits' numbers are read out of order: a hit skips the rows between.
      for (size_t i = 0; i < rows.size(); ++i) {
        if (i + kAhead < rows.size()) numbers_.prefetch(rows[i + kAhead]);
        visit(static_cast<size_t>(rows[i]));
      }
      return;
    }
    for (size_t i = 0; i < rows.size(); ++i) {
      if (i + kAhead < rows.size()) prefetch_row(rows[i + kAhead]);
      visit(static_cast<size_t>(rows[i]));
    }
  }

 private:
  void prefetch_row(size_t row) const {
    words_.prefetch_row(row);
    prefetch(&columns_.durations[row]);
    if (!any_position_) prefetch(&columns_.positions[row]);
    contexts_.prefetch_row(row);
    numbers_.prefetch(row);
  }

  const SoundColumns& columns_;
  const HitNumberStore& numbers_;
  WordVerdicts words_;
  Contexts contexts_;
  bool any_position_;
  std::uint32_t position_;
  HitSink& sink_;
};

void walk_symbol(SoundWalk& walk, const QueryCorpus& corpus, const std::string& symbol) {
  const std::vector<std::int32_t>& durations = walk.columns().durations;
  walk.visit_candidates(corpus.rows_of_symbol(symbol),
                        [&](size_t row) { walk.candidate(row, durations[row]); });
}

// The 0-based rows whose own label list is a member, in increasing order.
// The rows of several lists are merged through a bitmap of the table, a bit
// per row: far less to read than the facts of every row.
std::span<const std::uint32_t> rows_in_lists(const QueryCorpus& corpus, const std::vector<char>& member,
                                             std::vector<std::uint32_t>& merged) {
  std::vector<std::uint32_t> ids;
  for (std::uint32_t id = 0; id < member.size(); ++id)
    if (member[id]) ids.push_back(id);
  if (ids.size() == 1) return corpus.rows_of_label_list(ids.front());
  std::vector<std::uint64_t> bits((corpus.sounds().size() + 63) / 64, 0);
  size_t count = 0;
  for (std::uint32_t id : ids) {
    std::span<const std::uint32_t> rows = corpus.rows_of_label_list(id);
    count += rows.size();
    for (std::uint32_t row : rows) bits[row / 64] |= std::uint64_t{1} << (row % 64);
  }
  merged.clear();
  merged.reserve(count);
  for (size_t word = 0; word < bits.size(); ++word)
    for (std::uint64_t set = bits[word]; set != 0; set &= set - 1)
      merged.push_back(static_cast<std::uint32_t>(word * 64 + static_cast<size_t>(std::countr_zero(set))));
  return merged;
}

void walk_category(SoundWalk& walk, const QueryCorpus& corpus, const std::string& category) {
  const std::vector<std::int32_t>& durations = walk.columns().durations;
  std::vector<std::uint32_t> merged;
  walk.visit_candidates(rows_in_lists(corpus, membership(category, corpus.label_lists()), merged),
                        [&](size_t row) { walk.candidate(row, durations[row]); });
}

// The first label in the row's own list, the second in the first following
// sound's and the third in the second following sound's; the hit lasts as
// long as the row and the rows after it, one row per label.
void walk_sequence(SoundWalk& walk, const QueryCorpus& corpus,
                   const std::vector<std::string>& labels) {
  if (labels.empty()) return;
  std::vector<std::vector<char>> member;
  for (const std::string& label : labels) member.push_back(membership(label, corpus.label_lists()));
  // The label lists of the first and second following sound.
  constexpr size_t kFollowing[] = {3, 4};
  const SoundColumns& columns = walk.columns();
  std::vector<std::uint32_t> merged;
  walk.visit_candidates(rows_in_lists(corpus, member.front(), merged), [&](size_t row) {
    for (size_t k = 1; k < labels.size(); ++k)
      if (!member[k][columns.neighbour_labels[kFollowing[k - 1]][row]]) return;
    std::int64_t duration = 0;
    for (size_t k = 0; k < labels.size() && row + k < columns.size(); ++k) duration += columns.durations[row + k];
    walk.candidate(row, duration);
  });
}

}  // namespace

void find_sound_hits(const QueryCorpus& corpus, const Specification& spec, HitSink& sink) {
  const SoundTarget target = read_sound_target(spec[kSpecSound]);
  SoundWalk walk(corpus, spec, sink);
  switch (target.form) {
    case SoundForm::symbol: walk_symbol(walk, corpus, target.symbol); break;
    case SoundForm::category: walk_category(walk, corpus, target.category); break;
    case SoundForm::sequence: walk_sequence(walk, corpus, target.labels); break;
  }
}

}  // namespace zor
