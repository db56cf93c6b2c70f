#include "query/query_run.h"

#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <optional>

#include "platform/cache_folder.h"
#include "platform/encoding.h"
#include "platform/run_lock.h"
#include "platform/run_progress.h"
#include "query/corpus_cache.h"
#include "query/query_corpus.h"
#include "query/query_walks.h"
#include "query/result_writer.h"
#include "query/table_check.h"
#include "tables/table_rows.h"
#include "tables/text_table.h"

namespace zor {
namespace {

bool load_table(TextTable& table, const std::string& path) {
  table.set_separator('\t');
  return table.load(path);
}

std::string table_missing_message(const std::string& path, const RunHost& host) {
  return "A '" + path + to_cp1250("' \nállományt nem lehet megnyitni! ") + host.remedy(Remedy::convert_first);
}

std::string output_missing_message(const std::string& path) {
  return "A '" + path + to_cp1250("' \nállományt nem lehet megnyitni!");
}

// The corpus read from the tables, and which of them could be read.
struct ReadTables {
  std::optional<QueryCorpus> corpus;
  bool sentences_loaded = false, words_loaded = false, sounds_loaded = false;
  std::string columns_missing;  // the message, when columns are
};

ReadTables read_tables(const OutputNames& names) {
  ReadTables read;
  // Nothing is read from the sentence table; it only has to load, which it
  // does on a second core meanwhile, and it is not kept.
  std::future<bool> sentences_loading = std::async(std::launch::async, [&] {
    TextTable sentences;
    return load_table(sentences, names.sentences);
  });
  // The word and sound tables are read row by row into the corpus facts,
  // not loaded, the sound table's two halves at once; their readers start
  // at once, and go once the facts are in.
  TableFileRows words('\t'), sounds('\t'), sounds_second_half('\t');
  read.words_loaded = words.open(names.words);
  read.sounds_loaded = sounds.open(names.sounds, {}, TableFileRows::Part::first_half) &&
                       sounds_second_half.open(names.sounds, {}, TableFileRows::Part::second_half);
  read.sentences_loaded = sentences_loading.get();
  if (read.words_loaded)
    read.columns_missing +=
        missing_column_message(words.column_names(), kWordTable, column_range(1, 7), names.words);
  if (read.sounds_loaded && read.columns_missing.empty()) {
    // Every column but the short flag, which the query does not read.
    std::vector<int> columns = column_range(1, kSoundTable.column_count());
    std::erase(columns, sound_column::kShort);
    read.columns_missing = missing_column_message(sounds.column_names(), kSoundTable, columns, names.sounds);
  }
  if (read.columns_missing.empty() && read.sentences_loaded && read.words_loaded && read.sounds_loaded) {
    read.corpus.emplace(words, sounds, sounds_second_half);
    read.words_loaded = !words.failed();
    read.sounds_loaded = !sounds.failed() && !sounds_second_half.failed();
  }
  return read;
}

}  // namespace

RunOutcome run_query(const std::vector<Specification>& specifications, const OutputNames& names,
                     RunHost& host) {
  if (!host.ask_yes_no(to_cp1250("Az 4. lapon lévő információk és az 1. 2. és 3. sorszámmal \n"
                                 "jelzett állományok alapján a 4. és 5. állomány jön létre!\n\n"
                                 "Valóban elindítja a lekérdezést?"),
                       to_cp1250("Lekérdezés indítása...")))
    return RunOutcome::declined;
  if (specifications.empty()) {
    host.show_message(to_cp1250("Nincs egyetlen specifikácó sem megadva! ") +
                      host.remedy(Remedy::define_specifications));
    return RunOutcome::refused;
  }

  RunLock lock;
  if (!lock_outputs(lock, run_lock_path(names.report), host)) return RunOutcome::refused;

  // A corpus kept from an earlier query of the same tables is taken as it
  // is; otherwise it is read from the tables and kept, meanwhile, for the
  // next query.
  CorpusCache cache(names, user_cache_folder());
  ReadTables read{cache.load(), true, true, true, {}};
  std::future<void> keeping;
  if (!read.corpus) {
    read = read_tables(names);
    if (!read.columns_missing.empty()) {
      host.show_message(read.columns_missing);
      return RunOutcome::failed;
    }
    if (read.corpus && read.sounds_loaded)
      keeping = std::async(std::launch::async, [&cache, &read] { cache.save(*read.corpus); });
  }
  std::optional<QueryCorpus>& corpus = read.corpus;
  const bool sentences_loaded = read.sentences_loaded, words_loaded = read.words_loaded,
             sounds_loaded = read.sounds_loaded;
  ResultWriter writer;
  const ResultWriter::Opened opened = writer.open(names.result, names.result_dev);
  if (!sentences_loaded || !words_loaded || !sounds_loaded || !opened.result ||
      !opened.distribution) {
    if (!sentences_loaded) host.show_message(table_missing_message(names.sentences, host));
    if (!words_loaded) host.show_message(table_missing_message(names.words, host));
    if (!sounds_loaded) host.show_message(table_missing_message(names.sounds, host));
    if (!opened.result) host.show_message(output_missing_message(names.result));
    if (!opened.distribution) host.show_message(output_missing_message(names.result_dev));
    writer.discard();
    return RunOutcome::failed;
  }

  const std::string waiting = to_cp1250("Kis türelmet kérek...");
  RunProgress progress(host, to_cp1250("Lekérdezés"), specifications.size(), "Progress Cancelled");
  progress.show_text(waiting);
  writer.write_headers();

  // The specifications are searched on both cores, a few ahead of the one
  // being written, and written in their order. Each is searched in two
  // parts, the first and the second half of its rows, so that one long
  // search keeps both cores busy, not one while the other waits for it.
  constexpr size_t kParts = 2;
  LinePieces pieces;
  auto search = [&corpus, &pieces](const Specification& spec, WalkPart part) {
    SpecificationHits hits(spec, pieces);
    find_hits(*corpus, spec, hits, part);
    return hits;
  };
  // Three specifications at once, on two cores: with two, a long search at
  // the front left a core idle once the one behind it was done.
  constexpr size_t kSearchedAhead = 3 * kParts;
  std::deque<std::future<SpecificationHits>> searches;
  size_t next = 0;  // specification * kParts + part
  auto search_ahead = [&] {
    while (searches.size() < kSearchedAhead && next < specifications.size() * kParts) {
      searches.push_back(std::async(std::launch::async, search, std::cref(specifications[next / kParts]),
                                    WalkPart{next % kParts, kParts}));
      ++next;
    }
  };
  RunOutcome outcome = RunOutcome::completed;
  for (const Specification& spec : specifications) {
    HitStatistics statistics;
    for (size_t part = 0; part < kParts; ++part) {
      search_ahead();
      SpecificationHits hits = searches.front().get();
      searches.pop_front();
      search_ahead();
      writer.write_hits(hits);
      statistics.add_later(hits.statistics());
      pieces.give_back(hits.take_pieces());
    }
    if (statistics.count() > 0) writer.write_result(spec, statistics);
    if (progress.item_done(waiting + "\n\n" + spec[kSpecName])) {
      outcome = RunOutcome::cancelled;
      break;
    }
  }

  const std::string failed = writer.close();
  progress.close();
  if (!failed.empty()) {
    host.show_message(to_cp1250("Hiba az állomány írásakor:\n") + failed);
    return RunOutcome::failed;
  }
  return outcome;
}

}  // namespace zor
