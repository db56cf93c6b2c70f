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

// One part of a context text, matched against one neighbour.
struct ContextPart {
  bool any = false;          // "<BARMI>"
  bool wants_none = false;   // "<SEMMI>"
  std::vector<char> member;  // the part in the neighbour's label list

  ContextPart(std::string_view part, const TextIds& lists)
      : any(part == kAnySound), wants_none(part == kNoSound) {
    if (!any) member = membership(part, lists);
  }
  bool matches(const SoundFacts& sound, int neighbour) const {
    if (any) return true;
    if (!(sound.neighbour_present & (1u << neighbour))) return wants_none;
    return member[sound.neighbour_labels[neighbour]] != 0;
  }
};

// The before context against the third, second and first sound before, then
// the after context against the first, second and third sound after.
class Contexts {
 public:
  Contexts(const Specification& spec, const TextIds& lists) {
    auto before = context_parts(spec[kSpecBefore]);
    auto after = context_parts(spec[kSpecAfter]);
    for (int k = 0; k < 3; ++k) parts_.emplace_back(before[static_cast<size_t>(k)], lists);
    for (int k = 0; k < 3; ++k) parts_.emplace_back(after[static_cast<size_t>(k)], lists);
  }
  bool match(const SoundFacts& sound) const {
    for (int k = 0; k < kNeighbourCount; ++k)
      if (!parts_[static_cast<size_t>(k)].matches(sound, k)) return false;
    return true;
  }

 private:
  std::vector<ContextPart> parts_;
};

// The verdict on the word of the last candidate, kept while the candidates
// stay in the same word. It starts with the empty word number and "not good".
class WordCache {
 public:
  WordCache(const QueryCorpus& corpus, const Specification& spec)
      : corpus_(corpus), conditions_(spec), key_(corpus.empty_word_key()) {}

  bool good(const SoundFacts& sound) {
    if (sound.word_key != key_) {
      key_ = sound.word_key;
      good_ = sound.word_row > 0 &&
              conditions_.hold(corpus_.word_facts()[static_cast<size_t>(sound.word_row - 1)]);
    }
    return good_;
  }

 private:
  const QueryCorpus& corpus_;
  WordConditions conditions_;
  std::uint32_t key_;
  bool good_ = false;
};

class SoundWalk {
 public:
  SoundWalk(const QueryCorpus& corpus, const Specification& spec, HitSink& sink)
      : corpus_(corpus),
        facts_(corpus.sound_facts()),
        words_(corpus, spec),
        contexts_(spec, corpus.label_lists()),
        any_position_(spec[kSpecWordPosition] == kAnyPosition),
        position_(corpus.sound_positions().find(spec[kSpecWordPosition])),
        sink_(sink) {}

  // A candidate row (1-based) that passes every test is a hit lasting
  // `duration`.
  void candidate(int row, std::int64_t duration) {
    const SoundFacts& sound = facts_[static_cast<size_t>(row - 1)];
    if (!words_.good(sound)) return;
    if (!any_position_ && sound.position != position_) return;
    if (!contexts_.match(sound)) return;
    sink_.add_sound_row(duration, static_cast<size_t>(row - 1));
  }

  const std::vector<SoundFacts>& facts() const { return facts_; }

  // The candidates of a class lie anywhere in the table, a few cache misses
  // each: the facts of the ones a few places ahead are asked for while the
  // one at hand is tested, and the word of a nearer one, whose facts are in.
  template <class Visit>
  void visit_candidates(std::span<const std::uint32_t> rows, Visit visit) const {
    constexpr size_t kAhead = 16;
    for (size_t i = 0; i < rows.size(); ++i) {
      if (i + kAhead < rows.size()) {
        prefetch(&facts_[rows[i + kAhead]]);
        corpus_.hit_numbers().prefetch(rows[i + kAhead]);
      }
      if (i + kAhead / 2 < rows.size()) {
        const std::int32_t word_row = facts_[rows[i + kAhead / 2]].word_row;
        if (word_row > 0) prefetch(&corpus_.word_facts()[static_cast<size_t>(word_row - 1)]);
      }
      visit(static_cast<size_t>(rows[i]));
    }
  }

 private:
  const QueryCorpus& corpus_;
  const std::vector<SoundFacts>& facts_;
  WordCache words_;
  Contexts contexts_;
  bool any_position_;
  std::uint32_t position_;
  HitSink& sink_;
};

void walk_symbol(SoundWalk& walk, const QueryCorpus& corpus, const std::string& symbol) {
  walk.visit_candidates(corpus.rows_of_symbol(symbol), [&walk](size_t index) {
    walk.candidate(static_cast<int>(index) + 1, walk.facts()[index].duration);
  });
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
  std::vector<std::uint64_t> bits((corpus.sound_facts().size() + 63) / 64, 0);
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
  const std::vector<SoundFacts>& facts = walk.facts();
  std::vector<std::uint32_t> merged;
  walk.visit_candidates(rows_in_lists(corpus, membership(category, corpus.label_lists()), merged),
                        [&](size_t index) { walk.candidate(static_cast<int>(index) + 1, facts[index].duration); });
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
  constexpr int kFollowing[] = {3, 4};
  const std::vector<SoundFacts>& facts = walk.facts();
  std::vector<std::uint32_t> merged;
  walk.visit_candidates(rows_in_lists(corpus, member.front(), merged), [&](size_t index) {
    const SoundFacts& sound = facts[index];
    for (size_t k = 1; k < labels.size(); ++k)
      if (!member[k][sound.neighbour_labels[kFollowing[k - 1]]]) return;
    std::int64_t duration = 0;
    for (size_t k = 0; k < labels.size() && index + k < facts.size(); ++k)
      duration += facts[index + k].duration;
    walk.candidate(static_cast<int>(index) + 1, duration);
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
