// A corpus kept between runs must search exactly as the one read from the
// tables, and must never be taken for tables other than its own.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "query/corpus_cache.h"
#include "query/query_walks.h"
#include "query/result_writer.h"
#include "query_corpus_generator.h"
#include "query_test_support.h"
#include "tables/table_rows.h"

namespace zor::test {
namespace {

class KeptCorpus : public ::testing::Test {
 protected:
  void SetUp() override {
    GeneratedCorpus corpus = generate_corpus(4, 80, true);
    // Numbers too long for a slot are kept apart.
    corpus.sounds += "12345678901234567890\t1\t1\tO\tVr,V,Hang\t50\tBELSO\tR" + std::string(12, '\t') + "\n";
    folder.write_tables(corpus.sentences, corpus.words, corpus.sounds);
  }
  CorpusCache cache() const { return CorpusCache(folder.names(), kept.path(), 0); }
  // Tables that stand for their bytes by their identities, as tables do
  // once they have not changed for a while.
  static constexpr std::chrono::milliseconds kSettledAfter{50};
  CorpusCache settled_cache() const { return CorpusCache(folder.names(), kept.path(), 0, kSettledAfter); }
  static void let_tables_settle() { std::this_thread::sleep_for(2 * kSettledAfter); }
  std::vector<std::filesystem::path> kept_files() const {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(kept.path())) files.push_back(entry.path());
    return files;
  }

  QueryFolder folder;
  ScratchDir kept;
};

TEST_F(KeptCorpus, FindsWhatTheCorpusReadFromTheTablesFinds) {
  const std::vector<Specification> specs = generate_specifications(5, 120);
  const QueryCorpus read = read_from_tables(folder.names());
  EXPECT_FALSE(cache().load());
  cache().save(read);
  std::optional<QueryCorpus> taken = cache().load();
  ASSERT_TRUE(taken);
  const std::string expected = all_hits(read, specs);
  EXPECT_EQ(all_hits(*taken, specs), expected);
  EXPECT_NE(expected.find(";12345678901234567890;1;1\r\n"), std::string::npos);
}

TEST_F(KeptCorpus, IsTakenOnlyForTheTablesItWasReadFrom) {
  cache().save(read_from_tables(folder.names()));
  ASSERT_TRUE(cache().load());
  for (const std::string* table : {&folder.names().sentences, &folder.names().words, &folder.names().sounds}) {
    const std::string bytes = read_bytes(*table);
    std::string changed = bytes;
    changed[changed.size() / 2] ^= 1;  // the same size, one bit apart
    write_bytes(*table, changed);
    EXPECT_FALSE(cache().load()) << *table;
    write_bytes(*table, bytes);
    EXPECT_TRUE(cache().load()) << *table;
  }
  std::filesystem::remove(folder.names().words);
  EXPECT_FALSE(cache().load());
}

TEST_F(KeptCorpus, SettledTablesChangedInPlaceAreToldApart) {
  let_tables_settle();
  settled_cache().save(read_from_tables(folder.names()));
  ASSERT_TRUE(settled_cache().load());
  for (const std::string* table : {&folder.names().sentences, &folder.names().words, &folder.names().sounds}) {
    const std::string bytes = read_bytes(*table);
    std::string changed = bytes;
    changed[changed.size() / 2] ^= 1;
    write_bytes(*table, changed);
    EXPECT_FALSE(settled_cache().load()) << *table;
    // Written back, the table is known again by its bytes.
    write_bytes(*table, bytes);
    EXPECT_TRUE(settled_cache().load()) << *table;
  }
}

TEST_F(KeptCorpus, TableWrittenToAfterItWasLookedAtIsNotKept) {
  let_tables_settle();
  for (const std::string* table : {&folder.names().sentences, &folder.names().words, &folder.names().sounds}) {
    CorpusCache cache = settled_cache();
    const QueryCorpus read = read_from_tables(folder.names());
    const std::string bytes = read_bytes(*table);
    std::string changed = bytes;
    changed[changed.size() / 2] ^= 1;
    write_bytes(*table, changed);
    cache.save(read);
    EXPECT_TRUE(kept_files().empty()) << *table;
    write_bytes(*table, bytes);
    let_tables_settle();
  }
}

TEST_F(KeptCorpus, WrittenTablesDatedAheadOfTheClockAreHashedNotWaitedFor) {
  // A program may date a file an hour ahead; keeping must not wait for it.
  std::filesystem::last_write_time(folder.names().words,
                                   std::filesystem::file_time_type::clock::now() + std::chrono::hours(1));
  const auto start = std::chrono::steady_clock::now();
  CorpusCache(folder.names(), kept.path(), 0, CorpusCache::kSettledAfter, CorpusCache::Source::written_bytes)
      .save(read_from_tables(folder.names()));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  // Kept under the tables' hashes, it is taken by them.
  EXPECT_TRUE(cache().load());
}

TEST_F(KeptCorpus, DamagedFileIsNotTaken) {
  cache().save(read_from_tables(folder.names()));
  ASSERT_EQ(kept_files().size(), 1u);
  const std::filesystem::path file = kept_files().front();
  const std::string bytes = read_bytes(file);
  for (size_t at : {size_t{100}, bytes.size() / 3, bytes.size() / 2, bytes.size() - 1}) {
    std::string damaged = bytes;
    damaged[at] ^= 0x20;
    write_bytes(file, damaged);
    EXPECT_FALSE(cache().load()) << "byte " << at;
  }
  for (size_t length : {size_t{0}, size_t{10}, size_t{64}, bytes.size() / 2, bytes.size() - 1}) {
    write_bytes(file, bytes.substr(0, length));
    EXPECT_FALSE(cache().load()) << "cut at " << length;
  }
  write_bytes(file, bytes + std::string(64, '\0'));
  EXPECT_FALSE(cache().load());
  write_bytes(file, bytes);
  EXPECT_TRUE(cache().load());
}

TEST_F(KeptCorpus, KeepsOnlyTheNewestCorpora) {
  const QueryCorpus read = read_from_tables(folder.names());
  std::vector<std::unique_ptr<QueryFolder>> others;
  std::set<std::filesystem::path> dated;
  const auto now = std::filesystem::file_time_type::clock::now();
  for (size_t k = 0; k < CorpusCache::kKeptCorpora + 2; ++k) {
    others.push_back(std::make_unique<QueryFolder>());
    others.back()->write_tables(read_bytes(folder.names().sentences), read_bytes(folder.names().words),
                                read_bytes(folder.names().sounds));
    CorpusCache(others.back()->names(), kept.path(), 0).save(read);
    // Each an hour after the one before, whatever the file system's clock.
    for (const std::filesystem::path& file : kept_files())
      if (dated.insert(file).second) std::filesystem::last_write_time(file, now - std::chrono::hours(10 - k));
  }
  EXPECT_EQ(kept_files().size(), CorpusCache::kKeptCorpora);
  EXPECT_FALSE(CorpusCache(others.front()->names(), kept.path(), 0).load());
  EXPECT_TRUE(CorpusCache(others.back()->names(), kept.path(), 0).load());
}

TEST_F(KeptCorpus, NothingIsKeptWithoutAFolderOrForSmallTables) {
  const QueryCorpus read = read_from_tables(folder.names());
  CorpusCache(folder.names(), std::nullopt, 0).save(read);
  CorpusCache(folder.names(), kept.path()).save(read);
  EXPECT_TRUE(kept_files().empty());
  // A file where the folder should be: nothing is written, nothing fails.
  const std::filesystem::path blocked = kept.path() / "blocked";
  write_bytes(blocked, "x");
  CorpusCache(folder.names(), blocked, 0).save(read);
  EXPECT_FALSE(CorpusCache(folder.names(), blocked, 0).load());
  EXPECT_EQ(read_bytes(blocked), "x");
}

}  // namespace
}  // namespace zor::test
