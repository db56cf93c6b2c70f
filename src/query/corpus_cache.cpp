#include "query/corpus_cache.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <system_error>
#include <vector>

#include <xxhash.h>

#include "platform/encoding.h"
#include "platform/file_io.h"
#include "platform/mapped_file.h"
#include "query/fact_file.h"

namespace zor {
namespace {

constexpr std::string_view kExtension = ".corpus";

// The first section of a kept corpus: what it was read from and what it was
// written by. Raise the version with any change to what QueryCorpus::write
// writes.
struct CorpusFileHead {
  char magic[8] = {'Z', 'O', 'R', 'C', 'O', 'R', 'P', 'S'};
  std::uint32_t version = 1;
  std::uint32_t byte_order = 0x01020304;
  std::uint32_t word_fact_bytes = sizeof(WordFacts);
  std::uint32_t reserved = 0;
  CorpusFingerprint tables{};

  bool operator==(const CorpusFileHead& other) const {
    return std::memcmp(magic, other.magic, sizeof magic) == 0 && version == other.version &&
           byte_order == other.byte_order && word_fact_bytes == other.word_fact_bytes && tables == other.tables;
  }
};

}  // namespace

CorpusCache::CorpusCache(const OutputNames& names, std::optional<std::filesystem::path> folder,
                         std::uint64_t least_table_bytes)
    : least_table_bytes_(least_table_bytes) {
  if (!folder) return;
  // One kept corpus per sound table, named by where the table is.
  std::error_code error;
  const std::filesystem::path table = std::filesystem::absolute(native_file_name(names.sounds), error);
  if (error) return;
  const std::filesystem::path normal = table.lexically_normal();
  const auto& where = normal.native();
  char name[17];
  std::snprintf(name, sizeof name, "%016llx",
                static_cast<unsigned long long>(XXH3_64bits(where.data(), where.size() * sizeof where[0])));
  path_ = *folder / (name + std::string(kExtension));
  // Small tables are not even hashed.
  std::uint64_t bytes = 0;
  for (const std::string* table : {&names.sentences, &names.words, &names.sounds})
    bytes += std::filesystem::file_size(native_file_name(*table), error);
  if (!error && bytes >= least_table_bytes_) tables_ = fingerprint_tables(names);
}

std::optional<QueryCorpus> CorpusCache::load() {
  if (!path_ || !tables_) return std::nullopt;
  // A kept corpus is smaller than its tables; a file far larger is not
  // mapped, let alone checked.
  std::uint64_t table_bytes = 0;
  for (const TableFingerprint& table : *tables_) table_bytes += table.bytes;
  std::error_code error;
  const std::uint64_t file_bytes = std::filesystem::file_size(*path_, error);
  if (error || file_bytes > 4 * table_bytes + (std::uint64_t{1} << 20)) return std::nullopt;
  std::shared_ptr<const MappedFile> file = MappedFile::open(*path_);
  if (!file) return std::nullopt;
  FactFileReader reader(file->bytes());
  CorpusFileHead expected;
  expected.tables = *tables_;
  if (!(reader.value<CorpusFileHead>() == expected) || !reader.intact() || !reader.unchanged()) return std::nullopt;
  return QueryCorpus::read(reader, file);
}

void CorpusCache::save(const QueryCorpus& corpus) const {
  if (!path_ || !tables_) return;
  std::error_code error;
  std::filesystem::create_directories(path_->parent_path(), error);
  if (error) return;
  // A folder name that the program's own text cannot spell is not written to.
  std::string path;
  try {
    path = from_native_file_name(path_->string());
  } catch (const std::exception&) {
    return;
  }
  // The kept corpus there, if any, is not the tables' as they are: gone
  // first, the new one replaces nothing, so that the file system need not
  // write it to the disk at its renaming, and the system writes it after
  // the run.
  std::filesystem::remove(*path_, error);
  TextFileWriter file;
  if (!file.open_replacing(path, TextFileWriter::DiskWrites::when_the_system_likes)) return;
  FactFileWriter writer(file);
  CorpusFileHead head;
  head.tables = *tables_;
  writer.put_value(head);
  corpus.write(writer);
  if (file.close()) remove_oldest();
}

void CorpusCache::remove_oldest() const {
  std::error_code error;
  std::vector<std::pair<std::filesystem::file_time_type, std::filesystem::path>> kept;
  for (std::filesystem::directory_iterator entry(path_->parent_path(), error), end; !error && entry != end;
       entry.increment(error))
    if (entry->path().extension() == kExtension) kept.emplace_back(entry->last_write_time(error), entry->path());
  if (error || kept.size() <= kKeptCorpora) return;
  std::sort(kept.begin(), kept.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  for (size_t k = kKeptCorpora; k < kept.size(); ++k) std::filesystem::remove(kept[k].second, error);
}

}  // namespace zor
