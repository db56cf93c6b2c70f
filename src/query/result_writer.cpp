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

namespace {

void append_number(std::string& out, std::int64_t number) {
  char digits[24];
  auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  out.append(digits, static_cast<size_t>(end - digits));
}

}  // namespace

SpecificationHits::SpecificationHits(const Specification& spec, std::string buffer)
    : lines_(std::move(buffer)) {
  lines_.clear();
  append_crlf(prefix_, spec[kSpecName]);
  prefix_.push_back('\t');
  append_crlf(prefix_, spec[kSpecType]);
  prefix_.push_back('\t');
}

void SpecificationHits::add(const Hit& hit) {
  statistics_.add(hit);
  lines_.append(prefix_);
  append_number(lines_, interval_bound(hit.duration));
  lines_.push_back('\t');
  append_number(lines_, hit.duration);
  for (std::string_view number : {hit.sound_number, hit.word_number, hit.sentence_number}) {
    lines_.push_back(';');
    append_crlf(lines_, number);
  }
  lines_.append("\r\n");
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
