#pragma once
// The two files a query writes: the result table (count, mean, minimum and
// maximum per specification with hits) and the distribution table (one line
// per hit with its 10 ms interval).
#include <string>

#include "platform/file_io.h"
#include "query/query_hit.h"
#include "query/specification.h"

namespace zor {

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
  // The hits that follow are the specification's.
  void begin_hits(const Specification& spec);
  void write_hit(const Hit& hit);
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
  void flush_hits();

  std::string line_;
  // Hit lines with their CR LF ends already in place, written a piece at a
  // time: a query writes millions of them.
  std::string hits_;
  std::string hit_prefix_;  // the specification's name and type, as each hit line begins
};

}  // namespace zor
