#include "query/result_writer.h"

#include <charconv>
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

SpecificationHits::SpecificationHits(const Specification& spec, std::string buffer)
    : lines_(std::move(buffer)) {
  lines_.clear();
  append_crlf(prefix_, spec[kSpecName]);
  prefix_.push_back('\t');
  append_crlf(prefix_, spec[kSpecType]);
  prefix_.push_back('\t');
}

char* SpecificationHits::room(size_t count) {
  // A step at a time, not the whole capacity: the string's own growth keeps
  // the reallocations few, and untouched capacity costs no memory.
  constexpr size_t kStep = 64 * 1024;
  if (used_ + count > lines_.size()) lines_.resize(used_ + count + kStep);
  return lines_.data() + used_;
}

// Millions of lines: each is written in place, its numbers with an LF made
// CR LF on the way.
void SpecificationHits::add(const Hit& hit) {
  statistics_.add(hit);
  constexpr size_t kNumberDigits = 20;
  const std::string_view numbers[] = {hit.sound_number, hit.word_number, hit.sentence_number};
  size_t most = prefix_.size() + 2 * kNumberDigits + 1 + 2;
  for (std::string_view number : numbers) most += 1 + 2 * number.size();
  char* const begin = room(most);
  char* at = put(begin, prefix_);
  at = std::to_chars(at, at + kNumberDigits, interval_bound(hit.duration)).ptr;
  *at++ = '\t';
  at = std::to_chars(at, at + kNumberDigits, hit.duration).ptr;
  for (std::string_view number : numbers) {
    *at++ = ';';
    at = put_crlf(at, number);
  }
  *at++ = '\r';
  *at++ = '\n';
  used_ += static_cast<size_t>(at - begin);
}

void ResultWriter::write_hits(const SpecificationHits& hits) {
  if (!hits.lines().empty()) distribution_.write_crlf_text(hits.lines());
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
