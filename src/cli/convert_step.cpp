#include "cli/convert_step.h"

#include "cli/exit_status.h"
#include "cli/recording_list.h"
#include "conversion/conversion_run.h"
#include "corpus/label_tree.h"
#include "platform/cache_folder.h"
#include "platform/encoding.h"
#include "platform/file_io.h"
#include "platform/run_lock.h"
#include "query/conversion_corpus.h"

namespace zor {
namespace {

bool load_labels(const ConvertOptions& options, LabelTree& tree, RunHost& host) {
  if (options.labels_file.empty()) {
    tree.build_default_tree();
    return true;
  }
  if (load_label_tree(tree, from_native_file_name(options.labels_file))) return true;
  const std::string path = from_native_file_name(options.labels_file);
  host.show_message("Cannot read the label-tree file " + path + ": " + input_problem(path).text());
  return false;
}

bool load_recordings(const ConvertOptions& options, std::vector<Recording>& recordings,
                     RunHost& host) {
  std::vector<std::string> wav_paths;
  if (!options.list_file.empty()) {
    if (!read_recording_list(options.list_file, wav_paths)) {
      const std::string path = from_native_file_name(options.list_file);
      host.show_message("Cannot read the list file " + path + ": " + input_problem(path).text());
      return false;
    }
  } else {
    for (const std::string& wav : options.wav_files) wav_paths.push_back(from_native_file_name(wav));
  }
  for (const std::string& wav : wav_paths) recordings.push_back(recording_of(wav));
  return true;
}

}  // namespace

void ConvertOptions::add_to(CLI::App& command) {
  output.add_to(command);
  command.add_option("--labels", labels_file, "Label-tree file (default: the built-in tree)");
  auto* list = command.add_option("--list", list_file, "File with one WAV path per line");
  auto* wavs = command.add_option("WAV", wav_files, "WAV files, in sentence order");
  annotation.add_to(command);
  list->excludes(wavs);
}

void ConvertOptions::require_recordings() const {
  if (list_file.empty() && wav_files.empty()) {
    throw CLI::RequiredError("--list or at least one WAV file");
  }
}

int convert_recordings(const ConvertOptions& options, RunHost& host) {
  LabelTree tree;
  ConversionInput input;
  if (!load_labels(options, tree, host)) return kExitFailed;
  if (!load_recordings(options, input.recordings, host)) return kExitFailed;
  std::optional<AnnotationOptions> annotation = options.annotation.options(host);
  if (!annotation) return kExitFailed;
  input.annotation = std::move(*annotation);
  options.output.create_directory();
  OutputNames names = options.output.names();
  input.sentences_path = names.sentences;
  input.words_path = names.words;
  input.sounds_path = names.sounds;
  input.lock_path = zor::run_lock_path(names.report);
  return exit_status(convert_keeping_corpus(names, user_cache_folder(), [&](ByteStream& words, ByteStream& sounds) {
    input.word_copy = &words;
    input.sound_copy = &sounds;
    return run_conversion(input, tree, host);
  }));
}

}  // namespace zor
