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

// Megabytes at a time: a write of kilobytes costs the system nearly as much.
constexpr size_t kHitPiece = size_t{1} << 22;

void append_number(std::string& out, std::int64_t number) {
  char digits[24];
  auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  out.append(digits, static_cast<size_t>(end - digits));
}

}  // namespace

void ResultWriter::begin_hits(const Specification& spec) {
  hit_prefix_.clear();
  append_crlf(hit_prefix_, spec[kSpecName]);
  hit_prefix_.push_back('\t');
  append_crlf(hit_prefix_, spec[kSpecType]);
  hit_prefix_.push_back('\t');
}

void ResultWriter::write_hit(const Hit& hit) {
  hits_.append(hit_prefix_);
  append_number(hits_, interval_bound(hit.duration));
  hits_.push_back('\t');
  append_number(hits_, hit.duration);
  for (std::string_view number : {hit.sound_number, hit.word_number, hit.sentence_number}) {
    hits_.push_back(';');
    append_crlf(hits_, number);
  }
  hits_.append("\r\n");
  if (hits_.size() >= kHitPiece) flush_hits();
}

void ResultWriter::flush_hits() {
  if (!hits_.empty()) distribution_.write_crlf_text(hits_);
  hits_.clear();
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
  hits_.clear();
  result_.discard();
  distribution_.discard();
}

std::string ResultWriter::close() {
  flush_hits();
  TextFileWriter* const writers[] = {&result_, &distribution_};
  std::vector<bool> failures = close_together(writers);
  std::string failed;
  if (failures[0]) failed.append(result_path_).append(1, '\n');
  if (failures[1]) failed.append(distribution_path_).append(1, '\n');
  return failed;
}

}  // namespace zor
