#include "query/result_writer.h"

#include "corpus/table_layout.h"

namespace zor {

ResultWriter::Opened ResultWriter::open(const std::string& result_path,
                                        const std::string& distribution_path) {
  result_path_ = result_path;
  distribution_path_ = distribution_path;
  Opened opened;
  opened.result = result_.open(result_path);
  opened.distribution = distribution_.open(distribution_path);
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

std::string ResultWriter::close() {
  std::string failed;
  if (result_.is_open() && !result_.close()) failed.append(result_path_).append(1, '\n');
  if (distribution_.is_open() && !distribution_.close())
    failed.append(distribution_path_).append(1, '\n');
  return failed;
}

}  // namespace zor
