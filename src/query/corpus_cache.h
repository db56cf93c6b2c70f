#pragma once
// A query corpus kept on disk between runs. A phonetician refines the
// specifications and queries the same tables again and again; the corpus
// read from them the first time is written to the user's cache folder, and
// the next query maps it instead of reading the tables into facts again.
// It is used only while the tables are, byte for byte, those it was read
// from, and only when every one of its sections is as it was written;
// anything else reads the tables as if it were not there.
// Tables that no one has written to since the corpus was kept are known by
// their identities alone; only tables that changed, or changed too shortly
// before they were read to be told apart by their change times, are hashed.
#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "corpus/output_names.h"
#include "platform/file_identity.h"
#include "query/query_corpus.h"
#include "query/table_fingerprint.h"

namespace zor {

class CorpusCache {
 public:
  // Tables of fewer bytes together read about as fast as a kept corpus.
  static constexpr std::uint64_t kLeastTableBytes = std::uint64_t{64} << 20;
  // The newest kept corpora, one per sound table; older ones are removed.
  static constexpr size_t kKeptCorpora = 4;
  // Longer than the coarsest clock step of a file system in use (FAT's two
  // seconds): a table last changed at least this long before it was read is
  // known by its identity.
  static constexpr std::chrono::nanoseconds kSettledAfter = std::chrono::seconds(3);

  // Where the corpus to keep is read from: the tables, or the bytes a
  // conversion wrote into them, as they were written.
  enum class Source { tables, written_bytes };

  // For the tables that `names` lists, as they are now: before they are
  // read, or right after the conversion put them in place; kept in
  // `folder`, none without a folder.
  CorpusCache(const OutputNames& names, std::optional<std::filesystem::path> folder,
              std::uint64_t least_table_bytes = kLeastTableBytes,
              std::chrono::nanoseconds settled_after = kSettledAfter, Source source = Source::tables);

  // The corpus kept for the tables as they are now; nullopt when there is
  // none, or the tables cannot be read. Called before the tables are read:
  // tables that changed too shortly before to be told apart by their times
  // are hashed now, unless a corpus is kept for them.
  std::optional<QueryCorpus> load();
  // Keeps the corpus read from the tables as they were when this was made,
  // replacing the one kept before; gives up quietly when it cannot, or when
  // a table changed since, leaving no part of a file behind.
  void save(const QueryCorpus& corpus);

 private:
  using TableIdentities = std::array<FileIdentity, 3>;  // sentences, words, sounds
  std::array<const std::string*, 3> table_paths() const { return {&names_.sentences, &names_.words, &names_.sounds}; }
  std::optional<TableIdentities> identities() const;
  std::optional<QueryCorpus> load_kept();
  // The tables' hashes, taken once.
  const std::optional<CorpusFingerprint>& fingerprint();
  // Whether the tables, as written, are known by their identities: waits
  // until their file systems' clocks have stepped past their last change.
  bool settle_written_tables();
  void remove_oldest() const;

  OutputNames names_;
  std::optional<std::filesystem::path> path_;  // of this sound table's kept corpus
  std::uint64_t table_bytes_ = 0;
  // The tables' identities as this was made; only settled ones stand for
  // the tables' bytes.
  std::optional<TableIdentities> identities_;
  Source source_ = Source::tables;
  bool settled_ = false;
  bool hashed_ = false;
  std::optional<CorpusFingerprint> tables_;
};

}  // namespace zor
