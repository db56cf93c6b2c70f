// zor-speak-corpus: speaks Hungarian sentences with espeak-ng and writes each
// as a recording (WAV, label, pitch-mark and text files) with a list file, a
// corpus of real speech whose labels line up with the audio to the sample.
// The same sentences and voices always give the same corpus for one
// espeak-ng version.
#include <CLI/CLI.hpp>
#include <cstdio>

#include "speak/speak_corpus.h"

int main(int argc, char** argv) {
  CLI::App app{"Speaks Hungarian sentences with espeak-ng into a corpus of recordings"};
  zor::speak::SpeakOptions options;
  std::string out, sentences = "resources/sample_sentences.txt";
  std::string voices(zor::speak::kDefaultVoices);
  app.add_option("--out", out, "Folder of the corpus (created when missing)")->required();
  app.add_option("--sentences", sentences, "UTF-8 file, one sentence a line")->capture_default_str();
  app.add_option("--count", options.count, "Speak only the first N sentences (0: all)")
      ->capture_default_str()
      ->check(CLI::NonNegativeNumber);
  app.add_option("--voices", voices,
                 "espeak-ng voices taking turns, each VOICE or VOICE@RATE (words per minute)")
      ->capture_default_str();
  CLI11_PARSE(app, argc, argv);
  options.out = out;
  options.sentences = sentences;

  std::string error;
  zor::speak::SpeakSummary summary;
  if (!zor::speak::parse_speakers(voices, options.speakers, error) ||
      !zor::speak::speak_corpus(options, summary, error)) {
    std::fprintf(stderr, "zor-speak-corpus: %s\n", error.c_str());
    return 1;
  }
  std::printf("%d recordings, %llu sounds\nlist: %s\n", summary.recordings,
              static_cast<unsigned long long>(summary.sounds), summary.list.string().c_str());
  return 0;
}
