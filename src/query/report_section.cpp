#include "query/report_section.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <future>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "corpus/table_layout.h"
#include "platform/encoding.h"
#include "platform/piece_writer.h"
#include "tables/text_utils.h"

namespace zor {
namespace {

constexpr int kIntervalWidth = 10;
// Written in pieces of megabytes: in pieces of kilobytes the system's own
// cost per write is a good part of a large report's time.
constexpr size_t kPieceSize = 1 << 22;

// The report is built with CR LF line ends, so that its hundreds of
// megabytes go to the file without a second pass; a text read from a table
// may hold an LF of its own, which becomes CR LF like every other.
constexpr std::string_view kLineEnd = "\r\n";

// printf's "%5s": right-aligned in the width, a longer text in full.
void append_right_aligned(std::string& out, std::string_view text) {
  constexpr size_t kWidth = 5;
  if (text.size() < kWidth) out.append(kWidth - text.size(), ' ');
  append_crlf(out, text);
}

// "%4d-%4d:\t" of the interval's bounds, then "%5d" of its tally and " ".
void append_interval_line(std::string& out, long long bound, int tally) {
  char line[64];
  int length = std::snprintf(line, sizeof line, "%4lld-%4lld:\t%5d \r\n",
                             bound - kIntervalWidth, bound, tally);
  out.append(line, static_cast<size_t>(length));
}

// A number read from a table, truncated toward zero; what does not fit an
// int counts as the smallest int, so it never raises a maximum.
int truncated(double number) {
  if (!std::isfinite(number) || number <= -2147483649.0 || number >= 2147483648.0) return INT_MIN;
  return static_cast<int>(number);
}

std::string_view text_of(FieldText field) { return field.value_or(std::string_view{}); }

// What follows the number in a detail line: "): " for the extremes; in the
// distribution "." and, on the line of the measured unit, its value. Views
// only: a report of millions of hits would otherwise build strings for each.
struct DetailMark {
  std::string_view head;
  std::string_view value;  // the measured value, on its unit's line
  std::string_view tail;
};

struct DetailMarks {
  DetailMark sentence, word, sound;
};

constexpr DetailMark kPlainMark{"): ", {}, {}};
constexpr DetailMarks kPlainMarks{kPlainMark, kPlainMark, kPlainMark};

DetailMarks distribution_marks(std::string_view type, std::string_view value) {
  constexpr DetailMark kPlain{".): ", {}, {}};
  const DetailMark measured{". ", value, " ms ): "};
  return {kPlain, type == "SZ" ? measured : kPlain, type == "H" ? measured : kPlain};
}

// The detail texts of an occurrence's sentence, word and sound; none where
// the number is empty or no row has it.
struct DetailTexts {
  std::optional<std::string_view> sentence;
  std::optional<std::string_view> word;
  std::optional<std::string_view> sound;
};

// A hit a distribution counts: its interval and its row in the section.
struct CountedHit {
  long long interval = 0;
  size_t row = 0;
};

// Where a counted hit's detail lines lie among the rendered ones.
struct RenderedHit {
  long long interval = 0;
  size_t begin = 0, end = 0;
};

// Intervals whose hits are rendered together, and where their hits lie in
// the counted hits sorted by range.
struct IntervalRange {
  long long first = 0, last = 0;
  size_t hits_begin = 0, hits_end = 0;
};

// The detail lines of some counted hits, and where each hit's lie, in
// interval order and, within an interval, in file order.
struct RenderedHits {
  TextBuffer text;
  std::vector<RenderedHit> pieces;
  // Working memory of the sort into interval order.
  std::vector<RenderedHit> sorted;
  std::vector<size_t> starts;
};

// Room for `count` more bytes at the end of `out`, which grows in steps.
char* room(TextBuffer& out, size_t count) {
  if (out.size() + count > out.capacity()) out.reserve(std::max(out.size() + count, out.capacity() * 2));
  return out.data() + out.size();
}

// One detail line: caption, number, mark, then the detail text. None when
// there is no text.
struct DetailLine {
  std::string_view caption, number;
  const DetailMark& mark;
  std::optional<std::string_view> text;

  size_t most_bytes() const {
    if (!text) return 0;
    return caption.size() + mark.head.size() + mark.tail.size() + kLineEnd.size() +
           2 * (number.size() + mark.value.size() + text->size());
  }
  char* put(char* at) const {
    if (!text) return at;
    at = zor::put(at, caption);
    at = put_crlf(at, number);
    at = zor::put(at, mark.head);
    at = put_crlf(at, mark.value);
    at = zor::put(at, mark.tail);
    at = zor::put(at, *text);  // its LFs are CR LF already
    return zor::put(at, kLineEnd);
  }
};

std::optional<std::string_view> detail_of(const DetailIndex& table, std::string_view number) {
  if (number.empty()) return std::nullopt;
  return table.detail(number);
}

}  // namespace

class ReportSectionWriter::Impl {
 public:
  Impl(const ReportTables& tables, ReportOptions options, TextFileWriter& report)
      : tables_(tables), options_(options), file_pieces_(report) {}

  void write(std::string_view name, std::span<const int> result_rows, size_t occurrence,
             std::string_view next_name);
  bool read_failed() const { return read_failed_; }
  void finish() { file_pieces_.finish(); }


 private:
  // A distribution can be long: the text goes to the file in pieces, written
  // while the next ones are made.
  void flush(size_t at_least) {
    if (out_.size() < at_least) return;
    out_ = file_pieces_.write(std::move(out_));
  }

  // section_ with the distribution rows of `name`, read ahead or now.
  bool take_rows(std::string_view name);
  // Reads the rows of the next section into ahead_ on another core: reading
  // and splitting them is a good part of a large section's time, and the
  // cores are not both busy with that section all along.
  void read_ahead(std::string_view name);

  void write_extreme(const std::string& caption, std::string_view occurrence_text);
  DetailTexts find_details(const Occurrence& occurrence) const;
  static void write_details(TextBuffer& out, const Occurrence& occurrence, const DetailTexts& details,
                            const DetailMarks& marks);

  // The rows of section_ [first, second) that the `occurrence`-th result
  // row named `name` counts.
  std::pair<size_t, size_t> distribution_run(std::string_view name, std::span<const int> result_rows,
                                             size_t occurrence);
  void write_distribution(size_t begin, size_t end, std::string_view type);
  // by_range_ from counted_, and each range's place in it.
  void sort_by_range();
  // The detail lines of a range's counted hits.
  void render_range(const IntervalRange& range, std::string_view type, RenderedHits (&halves)[2]) const;
  void render(size_t from, size_t to, std::string_view type, RenderedHits& into) const;
  // Rendered pieces into interval order, each interval's in file order.
  static void sort_by_interval(RenderedHits& hits);

  const ReportTables& tables_;
  ReportOptions options_;
  PieceWriter file_pieces_;
  std::string out_;
  // A distribution's working memory, kept from one section to the next:
  // allocated afresh, its pages would be cleared for every section again.
  std::vector<CountedHit> counted_;
  std::vector<IntervalRange> ranges_;
  std::vector<CountedHit> by_range_;  // counted_ range by range, each in file order
  std::vector<int> tallies_;  // by interval
  // The first and the second half of a range's counted hits, rendered side
  // by side, for every other range: one range is copied out while the next
  // is rendered.
  RenderedHits halves_[2][2];
  TextBuffer extreme_;  // the detail lines of a minimum or maximum
  // For names that several result rows share: where each one's run of
  // distribution rows begins, by name.
  std::unordered_map<std::string, std::vector<size_t>> run_starts_;
  // The distribution rows of the section's name.
  DistributionRows section_;
  // Those of the next section's, while they are read ahead.
  DistributionRows ahead_;
  std::string ahead_name_;
  std::future<bool> ahead_read_;
  bool read_failed_ = false;
};

std::pair<size_t, size_t> ReportSectionWriter::Impl::distribution_run(
    std::string_view name, std::span<const int> result_rows, size_t occurrence) {
  const size_t rows = section_.size();
  if (result_rows.size() == 1) return {0, rows};
  // The query writes each specification's hits together, in the order of
  // the result rows, and as many as the row counts.
  auto [found, made] = run_starts_.try_emplace(std::string(name));
  std::vector<size_t>& starts = found->second;
  if (made) {
    const TextTable& result = tables_.result.table();
    size_t start = 0;
    for (int row : result_rows) {
      starts.push_back(start);
      int count = truncated(read_number(text_of(result.cell(row, result_column::kCount))));
      start += static_cast<size_t>(std::max(count, 0));
    }
    starts.push_back(start);
  }
  return {std::min(starts[occurrence], rows), std::min(starts[occurrence + 1], rows)};
}

void ReportSectionWriter::Impl::write(std::string_view name, std::span<const int> result_rows,
                                      size_t occurrence, std::string_view next_name) {
  const int result_row = result_rows[occurrence];
  static const std::string kCount = to_cp1250("ÖSSZ(db):\t");
  static const std::string kMean = to_cp1250("ÁTL.(ms):\t");
  const TextTable& result = tables_.result.table();
  std::string_view type = text_of(result.cell(result_row, result_column::kType));

  append_crlf(out_.append("SPEC.NEV: "), name);
  out_.append(kLineEnd).append(kCount);
  append_right_aligned(out_, text_of(result.cell(result_row, result_column::kCount)));
  out_.append(kLineEnd).append(kMean);
  append_right_aligned(out_, text_of(result.cell(result_row, result_column::kMean)));
  out_.append(kLineEnd);
  write_extreme("MIN.(ms):\t", text_of(result.cell(result_row, result_column::kMin)));
  write_extreme("MAX.(ms):\t", text_of(result.cell(result_row, result_column::kMax)));
  if (options_.distribution) {
    read_failed_ = !take_rows(name) || read_failed_;
    if (!next_name.empty()) read_ahead(next_name);
    const auto [begin, end] = distribution_run(name, result_rows, occurrence);
    write_distribution(begin, end, type);
  }
  out_.append(59, '-').append(kLineEnd).append(kLineEnd);
  flush(0);
}

bool ReportSectionWriter::Impl::take_rows(std::string_view name) {
  const bool was_read_ahead = ahead_read_.valid() && ahead_name_ == name;
  const bool read_ahead = ahead_read_.valid() && ahead_read_.get();
  if (!was_read_ahead) return tables_.result_dev.load_rows(name, section_);
  std::swap(section_, ahead_);
  return read_ahead;
}

void ReportSectionWriter::Impl::read_ahead(std::string_view name) {
  ahead_name_.assign(name);
  ahead_read_ = std::async(std::launch::async, [this] { return tables_.result_dev.load_rows(ahead_name_, ahead_); });
}

void ReportSectionWriter::Impl::write_extreme(const std::string& caption, std::string_view occurrence_text) {
  Occurrence occurrence = split_occurrence(occurrence_text);
  out_.append(caption);
  append_right_aligned(out_, occurrence.value);
  out_.append(kLineEnd);
  if (!options_.details) return;
  extreme_.resize_for_overwrite(0);
  write_details(extreme_, occurrence, find_details(occurrence), kPlainMarks);
  out_.append(extreme_.data(), extreme_.size());
}

DetailTexts ReportSectionWriter::Impl::find_details(const Occurrence& occurrence) const {
  return {detail_of(tables_.sentences, occurrence.sentence), detail_of(tables_.words, occurrence.word),
          detail_of(tables_.sounds, occurrence.sound)};
}

void ReportSectionWriter::Impl::write_details(TextBuffer& out, const Occurrence& occurrence,
                                              const DetailTexts& details, const DetailMarks& marks) {
  static const std::string kSentence = "    -=Mondat(";
  static const std::string kWord = to_cp1250("      Szó(");
  static const std::string kSound = "      Hang(";
  const DetailLine lines[] = {{kSentence, occurrence.sentence, marks.sentence, details.sentence},
                              {kWord, occurrence.word, marks.word, details.word},
                              {kSound, occurrence.sound, marks.sound, details.sound}};
  // Room for the three at once: tens of millions of lines are written here.
  size_t most = 0;
  for (const DetailLine& line : lines) most += line.most_bytes();
  char* const begin = room(out, most);
  char* at = begin;
  for (const DetailLine& line : lines) at = line.put(at);
  out.resize_for_overwrite(out.size() + static_cast<size_t>(at - begin));
}

// One pass over the specification's distribution rows: the largest interval
// value gives the intervals shown, and each row goes to the interval whose
// upper bound equals its value exactly (20 and 20.0 alike), in file order.
void ReportSectionWriter::Impl::write_distribution(size_t begin, size_t end, std::string_view type) {
  static const std::string kCaption = to_cp1250("ELOSZLÁSOK(db):\r\n");
  out_.append(kCaption);

  int top = 0;
  for (size_t row = begin; row < end; ++row) top = std::max(top, truncated(section_.interval[row]));
  const long long last_bound = top - top % kIntervalWidth;

  // Every row that some shown interval counts, in file order.
  counted_.clear();
  for (size_t row = begin; row < end; ++row) {
    double bound = section_.interval[row];
    if (section_.interval_named_elsewhere) {
      const FieldText& field = section_.interval_by_name[row];
      if (!field) continue;
      bound = read_number(*field);
    }
    if (bound < kIntervalWidth || bound > static_cast<double>(last_bound)) continue;
    // A whole number within an int here, so its remainder is the integer one.
    if (bound != std::floor(bound) || static_cast<long long>(bound) % kIntervalWidth != 0) continue;
    counted_.push_back({static_cast<long long>(bound) / kIntervalWidth, row});
  }
  const long long intervals = last_bound / kIntervalWidth;
  tallies_.assign(static_cast<size_t>(std::max(intervals, 0LL)) + 1, 0);
  for (const CountedHit& hit : counted_) ++tallies_[static_cast<size_t>(hit.interval)];

  // The detail lines go out in interval order. They are rendered in file
  // order, where the rows and their sound and word numbers rise and the
  // look-ups walk the tables forwards (in interval order they would jump
  // about, a cache miss at every step), a range of intervals at a time, so
  // that a large distribution is never rendered whole.
  constexpr size_t kHitsAtATime = size_t{1} << 17;
  ranges_.clear();
  for (long long first = 1; first <= intervals;) {
    IntervalRange range{first, first, 0, static_cast<size_t>(tallies_[static_cast<size_t>(first)])};
    while (range.last < intervals && range.hits_end + tallies_[static_cast<size_t>(range.last + 1)] <= kHitsAtATime)
      range.hits_end += tallies_[static_cast<size_t>(++range.last)];
    ranges_.push_back(range);
    first = range.last + 1;
  }
  if (options_.details) sort_by_range();
  // The next range is rendered while this one is copied out.
  auto render_next = [this, type](size_t r) {
    return std::async(std::launch::async, [this, type, r] { render_range(ranges_[r], type, halves_[r % 2]); });
  };
  std::future<void> rendering;
  if (options_.details && !ranges_.empty()) rendering = render_next(0);
  for (size_t r = 0; r < ranges_.size(); ++r) {
    const IntervalRange& range = ranges_[r];
    if (rendering.valid()) rendering.get();
    if (options_.details && r + 1 < ranges_.size()) rendering = render_next(r + 1);
    const RenderedHits(&halves)[2] = halves_[r % 2];
    auto piece = halves[0].pieces.cbegin();
    auto later_piece = halves[1].pieces.cbegin();
    auto copy_out = [this](const RenderedHits& half, auto& at, long long interval) {
      for (; at != half.pieces.cend() && at->interval == interval; ++at) {
        out_.append(half.text.data() + at->begin, at->end - at->begin);
        flush(kPieceSize);
      }
    };
    for (long long interval = range.first; interval <= range.last; ++interval) {
      // The first half's hits come before the second half's in file order.
      copy_out(halves[0], piece, interval);
      copy_out(halves[1], later_piece, interval);
      append_interval_line(out_, interval * kIntervalWidth, tallies_[static_cast<size_t>(interval)]);
      flush(kPieceSize);
    }
  }
}

void ReportSectionWriter::Impl::sort_by_range() {
  // Ranges' hits, each range's in file order, placed in one pass: a
  // distribution of millions of hits has dozens of ranges.
  std::vector<size_t> range_of(tallies_.size(), 0);
  size_t hits_begin = 0;
  for (size_t r = 0; r < ranges_.size(); ++r) {
    IntervalRange& range = ranges_[r];
    for (long long interval = range.first; interval <= range.last; ++interval)
      range_of[static_cast<size_t>(interval)] = r;
    range.hits_end += hits_begin;
    range.hits_begin = hits_begin;
    hits_begin = range.hits_end;
  }
  std::vector<size_t> next(ranges_.size());
  for (size_t r = 0; r < ranges_.size(); ++r) next[r] = ranges_[r].hits_begin;
  by_range_.resize(counted_.size());
  for (const CountedHit& hit : counted_) by_range_[next[range_of[static_cast<size_t>(hit.interval)]]++] = hit;
}

void ReportSectionWriter::Impl::render_range(const IntervalRange& range, std::string_view type,
                                             RenderedHits (&halves)[2]) const {
  // Rendering is most of a large report's own work: a range of many hits is
  // rendered in two halves at once.
  constexpr size_t kHitsForTwoCores = 8192;
  const size_t hits = range.hits_end - range.hits_begin;
  const size_t middle = hits < kHitsForTwoCores ? range.hits_end : range.hits_begin + hits / 2;
  std::future<void> second_half;
  if (middle < range.hits_end)
    second_half = std::async(std::launch::async, [&] { render(middle, range.hits_end, type, halves[1]); });
  else
    render(middle, middle, type, halves[1]);
  render(range.hits_begin, middle, type, halves[0]);
  if (second_half.valid()) second_half.get();
}

void ReportSectionWriter::Impl::render(size_t from, size_t to, std::string_view type, RenderedHits& into) const {
  into.text.resize_for_overwrite(0);
  into.pieces.clear();
  for (size_t at = from; at < to; ++at) {
    const CountedHit& hit = by_range_[at];
    const size_t start = into.text.size();
    const Occurrence occurrence = split_occurrence(section_.occurrence[hit.row]);
    write_details(into.text, occurrence, find_details(occurrence), distribution_marks(type, occurrence.value));
    into.pieces.push_back({hit.interval, start, into.text.size()});
  }
  sort_by_interval(into);
}

void ReportSectionWriter::Impl::sort_by_interval(RenderedHits& hits) {
  std::vector<RenderedHit>& pieces = hits.pieces;
  if (pieces.empty()) return;
  const auto [lowest, highest] = std::minmax_element(
      pieces.begin(), pieces.end(), [](const RenderedHit& a, const RenderedHit& b) { return a.interval < b.interval; });
  const auto first = lowest->interval;
  const auto span = static_cast<size_t>(highest->interval - first) + 1;
  // A range spans a few intervals, most of them full: counted into place
  // in one pass. Sparse far ones are left to the general sort.
  if (span > 4 * pieces.size() + 64) {
    std::stable_sort(pieces.begin(), pieces.end(),
                     [](const RenderedHit& a, const RenderedHit& b) { return a.interval < b.interval; });
    return;
  }
  hits.starts.assign(span + 1, 0);
  for (const RenderedHit& piece : pieces) ++hits.starts[static_cast<size_t>(piece.interval - first) + 1];
  for (size_t k = 1; k <= span; ++k) hits.starts[k] += hits.starts[k - 1];
  hits.sorted.resize(pieces.size());
  for (const RenderedHit& piece : pieces) hits.sorted[hits.starts[static_cast<size_t>(piece.interval - first)]++] = piece;
  pieces.swap(hits.sorted);
}

ReportSectionWriter::ReportSectionWriter(const ReportTables& tables, ReportOptions options,
                                         TextFileWriter& report)
    : impl_(std::make_unique<Impl>(tables, options, report)), tables_(tables) {}

ReportSectionWriter::~ReportSectionWriter() = default;

void ReportSectionWriter::write(std::string_view name, size_t occurrence, std::string_view next_name) {
  std::span<const int> rows = tables_.result.rows(name);
  if (occurrence >= rows.size()) return;
  impl_->write(name, rows, occurrence, next_name);
}

bool ReportSectionWriter::read_failed() const { return impl_->read_failed(); }

void ReportSectionWriter::finish() { impl_->finish(); }

}  // namespace zor
