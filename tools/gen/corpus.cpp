#include "gen/corpus.h"

#include <cstdio>

#include "gen/broken_set.h"
#include "gen/corpus_folder.h"
#include "gen/random.h"
#include "gen/recording_files.h"
#include "gen/sentence.h"

namespace zor::gen {
namespace {

constexpr int kBrokenEvery = 8;
constexpr int kNoTextPercent = 5;
constexpr int kAccentedNameEvery = 25;

// Most names are plain; some carry accented letters, so that the path goes
// through the file-name encoding.
std::string recording_stem(int number) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "s%05d", number);
  std::string stem = digits;
  if (number % kAccentedNameEvery == 0) stem += "_t\xC3\xBCk\xC3\xB6rf\xC3\xBAr\xC3\xB3g\xC3\xA9p";
  return stem;
}

}  // namespace

bool generate_corpus(const CorpusOptions& options, CorpusSummary& summary, std::string& error) {
  CorpusFolder folder(options.out);
  Random corpus_random(options.seed);
  const std::vector<BrokenKind>& kinds = broken_kinds();
  std::string manifest;
  summary = CorpusSummary{};
  for (int number = 1; number <= options.recordings; ++number) {
    Random random(corpus_random.next());
    Sentence sentence = make_sentence(random);
    RecordingFiles files = recording_files(sentence, !random.percent(kNoTextPercent));
    const BrokenKind* kind = nullptr;
    if (options.broken && number % kBrokenEvery == kBrokenEvery / 2) {
      kind = &kinds[static_cast<size_t>(summary.broken++) % kinds.size()];
      kind->apply(files);
    } else {
      summary.sounds += sentence.sound_count();
    }
    std::string wav;
    if (!folder.add(recording_stem(number), files, wav, error)) return false;
    if (kind) {
      manifest += wav + "\t" + std::to_string(kind->result_code) + "\t" +
                  std::string(kind->name) + "\r\n";
    }
  }
  summary.recordings = options.recordings;
  if (!folder.write_list(summary.list, error)) return false;
  if (options.broken) {
    summary.manifest = folder.path() / "broken.txt";
    if (!write_file(summary.manifest, manifest, error)) return false;
  }
  return true;
}

}  // namespace zor::gen
