// zor-gen-corpus: writes a synthetic corpus of recordings (WAV, label,
// pitch-mark and text files) with a list file, for tests, benchmarks and
// trying the program out. The same seed always gives the same corpus.
#include <CLI/CLI.hpp>
#include <cstdio>

#include "gen/corpus.h"

int main(int argc, char** argv) {
  CLI::App app{"Writes a synthetic corpus of recordings and a list file naming them"};
  zor::gen::CorpusOptions options;
  std::string out;
  app.add_option("--out", out, "Folder of the corpus (created when missing)")->required();
  app.add_option("--recordings", options.recordings, "Number of recordings")
      ->capture_default_str()
      ->check(CLI::NonNegativeNumber);
  app.add_option("--seed", options.seed, "Seed of the corpus")->capture_default_str();
  app.add_flag("--broken", options.broken,
               "Break every eighth set, each kind of damage in turn (see broken.txt)");
  CLI11_PARSE(app, argc, argv);
  options.out = out;

  zor::gen::CorpusSummary summary;
  std::string error;
  if (!zor::gen::generate_corpus(options, summary, error)) {
    std::fprintf(stderr, "zor-gen-corpus: %s\n", error.c_str());
    return 1;
  }
  std::printf("%d recordings (%d broken), %llu sounds in the sound sets\nlist: %s\n",
              summary.recordings, summary.broken,
              static_cast<unsigned long long>(summary.sounds), summary.list.string().c_str());
  if (!summary.manifest.empty()) std::printf("broken sets: %s\n", summary.manifest.string().c_str());
  return 0;
}
