#pragma once
// A query corpus kept on disk between runs. A phonetician refines the
// specifications and queries the same tables again and again; the corpus
// read from them the first time is written to the user's cache folder, and
// the next query maps it instead of reading the tables into facts again.
// It is used only while the tables are, byte for byte, those it was read
// from, and only when every one of its sections is as it was written;
// anything else reads the tables as if it were not there.
#include <cstdint>
#include <filesystem>
#include <optional>

#include "corpus/output_names.h"
#include "query/query_corpus.h"
#include "query/table_fingerprint.h"

namespace zor {

class CorpusCache {
 public:
  // Tables of fewer bytes together read about as fast as a kept corpus.
  static constexpr std::uint64_t kLeastTableBytes = std::uint64_t{64} << 20;
  // The newest kept corpora, one per sound table; older ones are removed.
  static constexpr size_t kKeptCorpora = 4;

  // For the tables that `names` lists, kept in `folder`; none is kept
  // without a folder.
  CorpusCache(const OutputNames& names, std::optional<std::filesystem::path> folder,
              std::uint64_t least_table_bytes = kLeastTableBytes);

  // The corpus kept for the tables as they are now; nullopt when there is
  // none, or the tables cannot be read.
  std::optional<QueryCorpus> load();
  // Keeps the corpus read from the tables as load() found them, replacing
  // the one kept before; gives up quietly when it cannot, leaving no part
  // of a file behind.
  void save(const QueryCorpus& corpus) const;

 private:
  void remove_oldest() const;

  std::optional<std::filesystem::path> path_;  // of this sound table's kept corpus
  std::uint64_t least_table_bytes_;
  std::optional<CorpusFingerprint> tables_;
};

}  // namespace zor
