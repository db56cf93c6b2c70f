// zor-cli textgrid: every recording's set written out as a Praat TextGrid
// (text format, UTF-8, tiers "phones" and "words", ZOR's symbols), which
// Praat opens and which converts back into the same table rows.
#include <filesystem>
#include <memory>

#include "annotation/textgrid_writer.h"
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/host_command.h"
#include "cli/recording_list.h"
#include "conversion/set_segmentation.h"
#include "platform/encoding.h"
#include "platform/file_io.h"
#include "platform/paths.h"

namespace zor {
namespace {

struct TextGridOptions {
  std::string out_dir;
  std::string list_file;
  std::vector<std::string> wav_files;
};

std::vector<std::string> wav_paths(const TextGridOptions& options, RunHost& host, bool& ok) {
  std::vector<std::string> paths;
  ok = true;
  if (options.list_file.empty()) {
    for (const std::string& wav : options.wav_files) paths.push_back(from_native_file_name(wav));
  } else if (!read_recording_list(options.list_file, paths)) {
    const std::string path = from_native_file_name(options.list_file);
    host.show_message("Cannot read the list file " + path + ": " + input_problem(path).text());
    ok = false;
  }
  return paths;
}

int export_textgrids(const TextGridOptions& options, RunHost& host) {
  bool ok = true;
  const std::vector<std::string> wavs = wav_paths(options, host, ok);
  if (!ok) return kExitFailed;
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(options.out_dir), ignored);
  const std::string folder = with_trailing_separator(from_native_file_name(options.out_dir));
  FileSetReader reader;
  std::string skipped;
  size_t written = 0;
  for (const std::string& wav : wavs) {
    Segmentation segmentation;
    std::string problem;
    if (!read_set_segmentation(reader, wav, segmentation, problem)) {
      skipped.append(wav).append(": ").append(problem).push_back('\n');
      continue;
    }
    const std::string name =
        folder + from_native_file_name(std::filesystem::path(native_file_name(wav)).stem().string()) +
        ".TextGrid";
    TextFileWriter file;
    if (file.open_replacing(name)) file.write_crlf_text(textgrid_text(segmentation));
    if (!file.close()) {
      host.show_message("Cannot write " + name);
      return kExitFailed;
    }
    ++written;
  }
  if (!skipped.empty()) host.show_message(to_cp1250("Nem írtam TextGridet ezekről a felvételekről:\n") + skipped);
  if (written == 0 && !wavs.empty()) return kExitFailed;
  return skipped.empty() ? kExitCompleted : kExitPartial;
}

}  // namespace

void register_textgrid_command(CLI::App& app, int& exit_code) {
  auto options = std::make_shared<TextGridOptions>();
  auto* command = app.add_subcommand(
      "textgrid", "Write each recording's labels as a Praat TextGrid (phones and words)");
  command->add_option("--out-dir", options->out_dir, "Where the TextGrids go")
      ->required()
      ->check([](const std::string& folder) {
        return folder.empty() ? std::string("--out-dir must not be empty") : std::string();
      });
  auto* list = command->add_option("--list", options->list_file, "File with one WAV path per line");
  auto* wavs = command->add_option("WAV", options->wav_files, "WAV files");
  list->excludes(wavs);
  run_on_terminal(*command, exit_code, [options](TerminalHost& host) {
    if (options->list_file.empty() && options->wav_files.empty()) {
      host.show_message("Give --list or at least one WAV file", {});
      return kExitUsage;
    }
    return export_textgrids(*options, host);
  });
}

}  // namespace zor
