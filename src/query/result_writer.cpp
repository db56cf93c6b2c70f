#include "query/result_writer.h"

#include <algorithm>
#include <cstring>
#include <vector>
#include <string_view>

#include "corpus/table_layout.h"
#include "tables/text_utils.h"

namespace zor {

ResultWriter::Opened ResultWriter::open(const std::string& result_path,
                                        const std::string& distribution_path) {
  result_path_ = result_path;
  distribution_path_ = distribution_path;
  Opened opened;
  opened.result = result_.open_replacing(result_path);
  opened.distribution = distribution_.open_replacing(distribution_path);
  if (!opened.result || !opened.distribution) discard();
  return opened;
}

void ResultWriter::write_headers() {
  result_.write(kResultTable.header_line());
  distribution_.write(kDistributionTable.header_line());
}

SpecificationHits::SpecificationHits(const Specification& spec, LinePieces& pieces) : free_pieces_(pieces) {
  append_crlf(prefix_, spec[kSpecName]);
  prefix_.push_back('\t');
  append_crlf(prefix_, spec[kSpecType]);
  prefix_.push_back('\t');
}

char* SpecificationHits::room(size_t count) {
  if (pieces_.empty() || pieces_.back().size() + count > pieces_.back().capacity()) {
    pieces_.push_back(free_pieces_.take());
    if (count > pieces_.back().capacity()) pieces_.back().reserve(count);
  }
  return pieces_.back().data() + pieces_.back().size();
}

namespace {

// "interval TAB duration" of the durations that nearly every hit lasts, made
// once: a hit line copies sixteen bytes instead of converting two numbers.
struct DurationText {
  char text[16];
  std::uint8_t length;
};
constexpr std::int64_t kMadeDurations = 4096;

const std::vector<DurationText>& duration_texts() {
  static const std::vector<DurationText> texts = [] {
    std::vector<DurationText> made(kMadeDurations);
    for (std::int64_t duration = 0; duration < kMadeDurations; ++duration) {
      DurationText& made_text = made[static_cast<size_t>(duration)];
      char* at = put_decimal(made_text.text, interval_bound(duration));
      *at++ = '\t';
      made_text.length = static_cast<std::uint8_t>(put_decimal(at, duration) - made_text.text);
    }
    return made;
  }();
  return texts;
}

}  // namespace

// Millions of lines: each is written in place, its numbers with an LF made
// CR LF on the way.
char* SpecificationHits::begin_line(std::int64_t duration, size_t numbers_room) {
  constexpr size_t kNumberDigits = 20;
  constexpr size_t kSeparators = 1 + 3 + 2;  // TAB, three ";", CR LF
  char* at = put(room(prefix_.size() + 2 * kNumberDigits + kSeparators + numbers_room), prefix_);
  if (duration >= 0 && duration < kMadeDurations) {
    const DurationText& made = duration_texts()[static_cast<size_t>(duration)];
    std::memcpy(at, made.text, sizeof made.text);
    return at + made.length;
  }
  at = put_decimal(at, interval_bound(duration));
  *at++ = '\t';
  return put_decimal(at, duration);
}

void SpecificationHits::end_line(char* at) {
  *at++ = '\r';
  *at++ = '\n';
  TextBuffer& piece = pieces_.back();
  piece.resize_for_overwrite(static_cast<size_t>(at - piece.data()));
}

// The numbers' texts are made only for a hit that becomes an extreme.
void SpecificationHits::add_row(std::int64_t duration, const HitNumberStore& numbers, std::size_t row) {
  if (statistics_.takes_extreme(duration)) {
    const HitNumbers texts = numbers.get(row);
    statistics_.add(Hit{duration, texts.sound, texts.word, texts.sentence});
  } else {
    statistics_.add_duration(duration);
  }
  end_line(numbers.put(begin_line(duration, numbers.room_for(row)), row));
}

void ResultWriter::write_hits(const SpecificationHits& hits) {
  for (const TextBuffer& piece : hits.pieces()) distribution_.write_crlf_text(std::string_view(piece.data(), piece.size()));
}

void ResultWriter::write_result(const Specification& spec, const HitStatistics& statistics) {
  line_.assign(spec[kSpecName]).append(1, '\t').append(spec[kSpecType]).append(1, '\t');
  line_.append(std::to_string(statistics.count())).append(1, '\t');
  line_.append(std::to_string(statistics.mean())).append(1, '\t');
  line_.append(statistics.minimum().items()).append(1, '\t');
  line_.append(statistics.maximum().items()).append(1, '\n');
  result_.write(line_);
}

void ResultWriter::discard() {
  result_.discard();
  distribution_.discard();
}

std::string ResultWriter::close() {
  TextFileWriter* const writers[] = {&result_, &distribution_};
  std::vector<bool> failures = close_together(writers);
  std::string failed;
  if (failures[0]) failed.append(result_path_).append(1, '\n');
  if (failures[1]) failed.append(distribution_path_).append(1, '\n');
  return failed;
}

}  // namespace zor
