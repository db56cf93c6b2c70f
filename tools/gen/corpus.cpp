#include "gen/corpus.h"

#include <cstdio>
#include <fstream>

#include "gen/broken_set.h"
#include "gen/random.h"
#include "gen/recording_files.h"
#include "gen/sentence.h"

namespace zor::gen {
namespace {

constexpr int kBrokenEvery = 8;
constexpr int kNoTextPercent = 5;
constexpr int kAccentedNameEvery = 25;

class FileWriter {
 public:
  explicit FileWriter(std::string& error) : error_(error) {}

  bool write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out) return true;
    error_ = "cannot write " + path.string();
    return false;
  }

 private:
  std::string& error_;
};

// Most names are plain; some carry accented letters, so that the path goes
// through the file-name encoding.
std::string recording_stem(int number) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "s%05d", number);
  std::string stem = digits;
  if (number % kAccentedNameEvery == 0) stem += "_t\xC3\xBCk\xC3\xB6rf\xC3\xBAr\xC3\xB3g\xC3\xA9p";
  return stem;
}

bool write_recording(FileWriter& writer, const std::filesystem::path& stem,
                     const RecordingFiles& files) {
  auto with = [&](const char* extension) {
    std::filesystem::path path = stem;
    return path += extension;
  };
  if (files.wav && !writer.write(with(files.extension.c_str()), *files.wav)) return false;
  if (files.has_labels && !writer.write(with(".imf"), files.label_file_text())) return false;
  if (files.has_pitch_marks && !writer.write(with(".pit"), files.pitch_file_bytes())) return false;
  if (files.text && !writer.write(with(".txt"), *files.text)) return false;
  return true;
}

}  // namespace

bool generate_corpus(const CorpusOptions& options, CorpusSummary& summary, std::string& error) {
  std::error_code created;
  std::filesystem::create_directories(options.out, created);
  std::filesystem::path folder = std::filesystem::absolute(options.out);
  FileWriter writer(error);
  Random corpus_random(options.seed);
  const std::vector<BrokenKind>& kinds = broken_kinds();
  std::string list, manifest;
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
    std::filesystem::path stem = folder / recording_stem(number);
    if (!write_recording(writer, stem, files)) return false;
    std::string wav = stem.string() + files.extension;
    list += wav + "\r\n";
    if (kind) {
      manifest += wav + "\t" + std::to_string(kind->result_code) + "\t" +
                  std::string(kind->name) + "\r\n";
    }
  }
  summary.recordings = options.recordings;
  summary.list = folder / "list.txt";
  if (!writer.write(summary.list, list)) return false;
  if (options.broken) {
    summary.manifest = folder / "broken.txt";
    if (!writer.write(summary.manifest, manifest)) return false;
  }
  return true;
}

}  // namespace zor::gen
