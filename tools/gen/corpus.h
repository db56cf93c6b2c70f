#pragma once
// A whole synthetic corpus: the recordings, the list file naming them in
// order, and for broken sets a manifest of what was broken how.
#include <cstdint>
#include <filesystem>
#include <string>

namespace zor::gen {

struct CorpusOptions {
  std::filesystem::path out;
  int recordings = 100;
  std::uint64_t seed = 1;
  // Every eighth recording broken, the kinds in turn.
  bool broken = false;
};

struct CorpusSummary {
  int recordings = 0;
  int broken = 0;
  std::uint64_t sounds = 0;  // in the sets that are not broken
  std::filesystem::path list;      // one WAV path per line, UTF-8, CR LF
  std::filesystem::path manifest;  // per broken set: WAV path TAB result code TAB kind
};

// False with a message when a file cannot be written.
bool generate_corpus(const CorpusOptions& options, CorpusSummary& summary, std::string& error);

}  // namespace zor::gen
