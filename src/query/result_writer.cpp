#include "query/result_writer.h"

#include "corpus/table_layout.h"

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

void ResultWriter::write_hit(const Specification& spec, const Hit& hit) {
  line_.assign(spec[kSpecName]).append(1, '\t').append(spec[kSpecType]).append(1, '\t');
  line_.append(std::to_string(interval_bound(hit.duration))).append(1, '\t');
  line_.append(hit_items(hit.duration, hit.sound_number, hit.word_number, hit.sentence_number));
  line_.append(1, '\n');
  distribution_.write(line_);
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
