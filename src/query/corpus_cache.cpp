#include "query/corpus_cache.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <future>
#include <memory>
#include <system_error>
#include <thread>
#include <type_traits>
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
  std::uint32_t version = 2;
  std::uint32_t byte_order = 0x01020304;
  std::uint32_t word_fact_bytes = sizeof(WordFacts);
  std::uint32_t settled = 0;  // whether the identities stand for the tables' bytes
  CorpusFingerprint tables{};
  std::array<FileIdentity, 3> identities{};

  bool same_format(const CorpusFileHead& other) const {
    return std::memcmp(magic, other.magic, sizeof magic) == 0 && version == other.version &&
           byte_order == other.byte_order && word_fact_bytes == other.word_fact_bytes;
  }
};
// Written as its bytes: none of them may be padding.
static_assert(std::has_unique_object_representations_v<CorpusFileHead>);

}  // namespace

CorpusCache::CorpusCache(const OutputNames& names, std::optional<std::filesystem::path> folder,
                         std::uint64_t least_table_bytes, std::chrono::nanoseconds settled_after, Source source)
    : names_(names), source_(source) {
  if (!folder) return;
  // One kept corpus per sound table, named by where the table is.
  std::error_code error;
  const std::filesystem::path table = std::filesystem::absolute(native_file_name(names.sounds), error);
  if (error) return;
  // Small tables are not even looked at again.
  for (const std::string* table : table_paths()) {
    table_bytes_ += std::filesystem::file_size(native_file_name(*table), error);
    if (error) return;
  }
  if (table_bytes_ < least_table_bytes) return;
  const std::filesystem::path normal = table.lexically_normal();
  const auto& where = normal.native();
  char name[17];
  std::snprintf(name, sizeof name, "%016llx",
                static_cast<unsigned long long>(XXH3_64bits(where.data(), where.size() * sizeof where[0])));
  path_ = *folder / (name + std::string(kExtension));
  identities_ = identities();
  const auto now = std::chrono::system_clock::now();
  settled_ = identities_ && std::all_of(identities_->begin(), identities_->end(), [&](const FileIdentity& identity) {
               return identity.settled_since(now, settled_after);
             });
}

bool CorpusCache::settle_written_tables() {
  if (!identities_) return false;
  std::chrono::nanoseconds step{0};
  std::int64_t last_change = 0;
  for (size_t k = 0; k < identities_->size(); ++k) {
    const std::optional<std::chrono::nanoseconds> table_step = clock_step(*table_paths()[k]);
    if (!table_step) return false;
    step = std::max(step, *table_step);
    last_change = std::max({last_change, (*identities_)[k].modified_ns, (*identities_)[k].changed_ns});
  }
  // Two steps: a change in the step of the last one shows in the times.
  const std::chrono::system_clock::time_point settled_at(
      std::chrono::duration_cast<std::chrono::system_clock::duration>(std::chrono::nanoseconds(last_change) + 2 * step));
  // Times ahead of the clock (set by a program, or the clock turned back)
  // tell nothing, and are not waited for: such tables are hashed.
  if (settled_at > std::chrono::system_clock::now() + 2 * step) return false;
  std::this_thread::sleep_until(settled_at);
  settled_ = true;
  return true;
}

std::optional<CorpusCache::TableIdentities> CorpusCache::identities() const {
  TableIdentities found;
  for (size_t k = 0; k < found.size(); ++k) {
    std::optional<FileIdentity> identity = file_identity(*table_paths()[k]);
    if (!identity) return std::nullopt;
    found[k] = *identity;
  }
  return found;
}

const std::optional<CorpusFingerprint>& CorpusCache::fingerprint() {
  if (!hashed_) tables_ = fingerprint_tables(names_);
  hashed_ = true;
  return tables_;
}

std::optional<QueryCorpus> CorpusCache::load() {
  if (!path_) return std::nullopt;
  std::optional<QueryCorpus> kept = load_kept();
  // Tables that may yet change unseen are hashed before they are read.
  if (!kept && !settled_) fingerprint();
  return kept;
}

std::optional<QueryCorpus> CorpusCache::load_kept() {
  // A kept corpus is smaller than its tables; a file far larger is not
  // mapped, let alone checked.
  std::error_code error;
  const std::uint64_t file_bytes = std::filesystem::file_size(*path_, error);
  if (error || file_bytes > 4 * table_bytes_ + (std::uint64_t{1} << 20)) return std::nullopt;
  std::shared_ptr<const MappedFile> file = MappedFile::open(*path_);
  if (!file) return std::nullopt;
  FactFileReader reader(file->bytes());
  const CorpusFileHead head = reader.value<CorpusFileHead>();
  if (!reader.intact() || !head.same_format(CorpusFileHead{})) return std::nullopt;
  // Identities that stood for the tables' bytes when the corpus was kept
  // still do while they stay the same: a later change would have shown in
  // a later step of the clock.
  const bool same_tables = (head.settled && identities_ && head.identities == *identities_) ||
                           (fingerprint() && head.tables == *tables_);
  if (!same_tables || !reader.unchanged()) return std::nullopt;
  return QueryCorpus::read(reader, file);
}

void CorpusCache::save(const QueryCorpus& corpus) {
  if (!path_) return;
  // Tables a conversion has just written, as it wrote them, need no hash
  // once their identities stand for their bytes.
  const bool known_by_identities = source_ == Source::written_bytes && settle_written_tables();
  if (!known_by_identities && !fingerprint()) return;
  // Settled tables are hashed only now: one written to since they were read
  // may hash to other bytes than the corpus was read from. Tables hashed
  // before they were read are checked too, as far as their times tell: one
  // written to while it was read gave facts of neither its old bytes nor
  // its new ones. Tables as written must not have changed since they were
  // put in place.
  if (identities_ && identities() != identities_) return;
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
  // The kept corpus there, if any, is not the tables' as they are. Moved
  // aside, the new one replaces nothing, so that the file system need not
  // write it to the disk at its renaming, and the system writes it after
  // the run. It is removed meanwhile: on a disk mounted with online discard
  // freeing its blocks waits for the device. Its name still ends as a kept
  // corpus's, so that one left by a run that stopped goes with the oldest.
  std::filesystem::path replaced = *path_;
  replaced.replace_extension(".replaced" + std::string(kExtension));
  std::filesystem::rename(*path_, replaced, error);
  std::future<void> removing;
  if (!error) removing = std::async(std::launch::async, [replaced] {
    std::error_code ignored;
    std::filesystem::remove(replaced, ignored);
  });
  TextFileWriter file;
  if (!file.open_replacing(path, TextFileWriter::DiskWrites::when_the_system_likes)) return;
  FactFileWriter writer(file);
  CorpusFileHead head;
  // Without a hash, only tables of these identities take it.
  if (tables_) head.tables = *tables_;
  head.settled = settled_ ? 1 : 0;
  if (identities_) head.identities = *identities_;
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
