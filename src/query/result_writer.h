#pragma once
// The two files a query writes: the result table (count, mean, minimum and
// maximum per specification with hits) and the distribution table (one line
// per hit with its 10 ms interval).
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_io.h"
#include "query/hit_numbers.h"
#include "query/line_pieces.h"
#include "query/query_hit.h"
#include "query/query_walks.h"
#include "query/specification.h"
#include "tables/text_buffer.h"

namespace zor {

// The hits of one specification: their statistics and their lines of the
// distribution table, made apart from the files, so that specifications can
// be searched side by side.
class SpecificationHits : public HitSink {
 public:
  // The lines go to pieces taken from `pieces`, which must outlive this.
  SpecificationHits(const Specification& spec, LinePieces& pieces);
  void add_row(std::int64_t duration, const HitNumberStore& numbers, std::size_t row) override;
  const HitStatistics& statistics() const { return statistics_; }
  // The lines, with their CR LF ends in place, piece after piece; a line
  // never spans two pieces.
  const std::vector<TextBuffer>& pieces() const { return pieces_; }
  // The pieces, for LinePieces::give_back once they are written.
  std::vector<TextBuffer> take_pieces() { return std::move(pieces_); }

 private:
  // Room for `count` more bytes after the last piece's lines: a new piece
  // when that one is full.
  char* room(size_t count);
  // A line's start up to its duration, with room for `numbers_room` bytes
  // of numbers after it; end_line() closes the line where they end.
  char* begin_line(std::int64_t duration, size_t numbers_room);
  void end_line(char* at);

  LinePieces& free_pieces_;
  std::string prefix_;  // the specification's name and type, as each line begins
  std::vector<TextBuffer> pieces_;  // each one's size is its lines' bytes
  HitStatistics statistics_;
};

class ResultWriter {
 public:
  // Opens both files to replace them at close; each flag tells whether that
  // file opened. When either fails, neither is kept open and both old files
  // stay.
  struct Opened {
    bool result = false;
    bool distribution = false;
  };
  Opened open(const std::string& result_path, const std::string& distribution_path);

  void write_headers();
  void write_hits(const SpecificationHits& hits);
  void write_result(const Specification& spec, const HitStatistics& statistics);

  // Closes both files, which replace the old ones together or not at all.
  // The paths of the files whose writing failed, each followed by "\n";
  // empty when everything was written.
  std::string close();
  // Leaves both old files as they were.
  void discard();

 private:
  std::string result_path_, distribution_path_;
  TextFileWriter result_, distribution_;
  std::string line_;
};

}  // namespace zor
