#include "query/conversion_corpus.h"

#include <chrono>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/thread_priority.h"
#include "query/corpus_cache.h"
#include "query/query_corpus.h"
#include "tables/table_rows.h"

namespace zor {
namespace {

// How long the conversion waits, once done, for the corpus to be read to
// its end: the reader runs only on a core no other thread wants, and on a
// machine busy with other work it may get none for long.
constexpr std::chrono::seconds kPatience{2};

// Reads what the streams carry from the moment it is made, on a thread that
// takes only what the conversion's own threads leave of the processor. The
// thread owns what it reads with, so that a conversion that stops waiting
// for it need not wait for it to end.
class StreamedCorpus {
 public:
  StreamedCorpus() : reading_(std::make_shared<Reading>()) {
    std::thread([reading = reading_] {
      yield_processor_to_others();
      std::optional<QueryCorpus> corpus;
      try {
        TableFileRows words('\t'), sounds('\t');
        words.open(reading->words);
        sounds.open(reading->sounds);
        // One reader for the sounds: they come one row at a time anyway.
        const TextTable no_table;
        LoadedTableRows no_rows(no_table);
        corpus.emplace(words, sounds, no_rows);
      } catch (const std::exception&) {
        // Too large for the memory: the first query reads the tables itself.
      }
      {
        std::lock_guard lock(reading->mutex);
        reading->corpus = std::move(corpus);
        reading->done = true;
      }
      reading->finished.notify_all();
    }).detach();
  }
  // A reader still reading is let go.
  ~StreamedCorpus() {
    reading_->words.abandon();
    reading_->sounds.abandon();
  }
  StreamedCorpus(const StreamedCorpus&) = delete;
  StreamedCorpus& operator=(const StreamedCorpus&) = delete;

  ByteStream& words() { return reading_->words; }
  ByteStream& sounds() { return reading_->sounds; }
  // After the writer, on its own thread, has closed the streams: the corpus
  // of every byte written; nullopt when the reader fell behind or is not
  // done in time.
  std::optional<QueryCorpus> take() {
    std::unique_lock lock(reading_->mutex);
    if (!reading_->finished.wait_for(lock, kPatience, [&] { return reading_->done; })) return std::nullopt;
    if (!reading_->words.whole() || !reading_->sounds.whole()) return std::nullopt;
    return std::move(reading_->corpus);
  }

 private:
  struct Reading {
    ByteStream words, sounds;
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    std::optional<QueryCorpus> corpus;
  };
  std::shared_ptr<Reading> reading_;
};

}  // namespace

RunOutcome convert_keeping_corpus(const OutputNames& names, std::optional<std::filesystem::path> folder,
                                  const ConversionWriting& convert, std::uint64_t least_table_bytes) {
  StreamedCorpus streamed;
  const RunOutcome outcome = convert(streamed.words(), streamed.sounds());
  streamed.words().close();
  streamed.sounds().close();
  if (outcome != RunOutcome::completed && outcome != RunOutcome::partial) return outcome;
  // The tables as they are now, in place.
  CorpusCache cache(names, std::move(folder), least_table_bytes, CorpusCache::kSettledAfter,
                    CorpusCache::Source::written_bytes);
  if (std::optional<QueryCorpus> corpus = streamed.take()) cache.save(*corpus);
  return outcome;
}

}  // namespace zor
