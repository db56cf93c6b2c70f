#include "conversion/conversion_run.h"

#include <array>
#include <cerrno>
#include <cstring>

#include "conversion/file_set.h"
#include "conversion/file_set_reader.h"
#include "conversion/side_files.h"
#include "conversion/phonetics.h"
#include "conversion/table_row.h"
#include "corpus/label_tree.h"
#include "corpus/table_layout.h"
#include "platform/encoding.h"
#include "platform/file_io.h"
#include "platform/run_lock.h"
#include "platform/run_progress.h"

namespace zor {
namespace {

constexpr std::array<int, 6> kNeighbourOrder = {-3, -2, -1, 1, 2, 3};

// The labels, duration and syllables of a sentence or a word being read.
struct SoundSpan {
  std::string labels;
  double duration = 0.0;
  std::int64_t syllables = 0;

  void add(std::string_view label, double milliseconds) {
    labels.append(label);
    duration += milliseconds;
    if (is_vowel(label)) ++syllables;
  }
  void clear() {
    labels.clear();
    duration = 0.0;
    syllables = 0;
  }
};

class ConversionRun {
 public:
  ConversionRun(const ConversionInput& input, const LabelTree& labels, RunHost& host)
      : input_(input), tree_(labels), labels_(labels), host_(host) {
    reader_.set_annotation(input.annotation);
  }

  RunOutcome run();

 private:
  // The tables that cannot be opened, each with the system's reason; empty
  // when all three are open.
  std::string open_tables();
  void convert_recording(std::int64_t sentence_number, const std::string& wav_path);
  void write_word_row(std::int64_t sentence_number);
  void write_sound_row(std::int64_t sentence_number, double duration);
  // The symbol and labels of the neighbour n places from the line, as
  // formatted fields.
  std::string_view neighbour_fields(size_t line, int n) const;
  void report_skipped();
  bool close_tables();

  const ConversionInput& input_;
  const LabelTree& tree_;
  LabelIndex labels_;
  RunHost& host_;
  FileSetReader reader_;
  TextFileWriter sentences_, words_, sounds_;
  TableRow row_;
  // The symbol and labels of each label line of the set, formatted once: a
  // line stands in the rows of its own sound and of six neighbours.
  std::vector<std::string> line_fields_;
  TableRow line_row_;

  std::string mismatch_list_;
  std::string open_failure_list_;
  std::string early_end_list_;
  std::int64_t word_number_ = 1;
  std::int64_t sound_number_ = 0;
  SoundSpan sentence_, word_;
  WordPositionRule word_positions_;
};

RunOutcome ConversionRun::run() {
  if (!host_.ask_yes_no(to_cp1250("Az első két lapon lévő információk alapján az 1. 2. és 3. "
                                  "sorszámmal \njelzett állományok jönnek létre!\n\nValóban "
                                  "elindítja a konvertálást?"),
                        to_cp1250("Konvertálás indítása..."))) {
    return RunOutcome::declined;
  }
  if (input_.recordings.empty()) {
    host_.show_message(to_cp1250("Nincs hangfájl megadva! ") + host_.remedy(Remedy::list_recordings));
    return RunOutcome::refused;
  }
  if (tree_.is_empty()) {
    host_.show_message(empty_label_tree_message(host_.remedy(Remedy::define_labels)));
    return RunOutcome::refused;
  }
  RunLock lock;
  if (!input_.lock_path.empty() && !lock_outputs(lock, input_.lock_path, host_))
    return RunOutcome::refused;
  if (std::string failed = open_tables(); !failed.empty()) {
    // The caption every user knows, then which table and why.
    host_.show_message("Sikerelen nyitas!\n" + failed);
    return RunOutcome::failed;
  }

  RunProgress progress(host_, to_cp1250("Konverzió"), input_.recordings.size(),
                       to_cp1250("A konverzió megszakítva!"));
  sentences_.write(kSentenceTable.header_line());
  words_.copy_to(input_.word_copy);
  sounds_.copy_to(input_.sound_copy);
  words_.write(kWordTable.header_line());
  sounds_.write(kSoundTable.header_line());

  const std::string waiting = to_cp1250("Kis türelmet kérek...\n\n");
  bool cancelled = false;
  size_t converted = 0;
  std::vector<FileSet> sets;
  sets.reserve(input_.recordings.size());
  for (const Recording& recording : input_.recordings)
    sets.push_back(FileSet::of_recording(recording.directory + recording.file_name));
  SideFilesAhead side_files(std::move(sets));
  for (size_t i = 0; i < input_.recordings.size(); ++i) {
    const Recording& recording = input_.recordings[i];
    std::string wav_path = recording.directory + recording.file_name;
    SetResult result = reader_.open_set(wav_path, side_files.take());
    if (result != SetResult::opened) {
      std::string& list =
          result == SetResult::count_mismatch ? mismatch_list_ : open_failure_list_;
      list.append(wav_path).append(": ").append(reader_.problem()).push_back('\n');
      reader_.close_set();
      continue;
    }
    convert_recording(static_cast<std::int64_t>(i) + 1, wav_path);
    ++converted;
    if (progress.item_done(waiting + wav_path)) {
      cancelled = true;
      break;
    }
  }
  progress.close();
  report_skipped();
  if (!close_tables()) return RunOutcome::failed;
  if (cancelled) return RunOutcome::cancelled;
  // The tables of a run that converted nothing are written as always, but a
  // script must not take them for a corpus.
  if (converted == 0) return RunOutcome::failed;
  const bool all_whole = converted == input_.recordings.size() && early_end_list_.empty();
  return all_whole ? RunOutcome::completed : RunOutcome::partial;
}

std::string ConversionRun::open_tables() {
  // The three tables are one output: when one cannot be opened, the previous
  // three stay as they were.
  std::string failed;
  for (auto [writer, path] : {std::pair{&sentences_, &input_.sentences_path},
                              std::pair{&words_, &input_.words_path},
                              std::pair{&sounds_, &input_.sounds_path}}) {
    if (!writer->open_replacing(*path))
      failed.append(*path).append(": ").append(std::strerror(errno)).push_back('\n');
  }
  if (failed.empty()) return failed;
  for (TextFileWriter* writer : {&sentences_, &words_, &sounds_}) writer->discard();
  return failed;
}

void ConversionRun::convert_recording(std::int64_t sentence_number, const std::string& wav_path) {
  sentence_.clear();
  word_.clear();
  word_positions_ = WordPositionRule();
  line_fields_.resize(reader_.line_count());
  for (size_t line = 0; line < line_fields_.size(); ++line) {
    const std::string sound = reader_.line_sound(line);
    const std::string_view fields =
        line_row_.add(sound).add(sound.empty() ? std::string_view() : std::string_view(labels_.labels_of(sound))).finish();
    line_fields_[line].assign(fields.substr(0, fields.size() - 1));
  }
  for (std::string label = reader_.next_sound(); !label.empty(); label = reader_.next_sound()) {
    if (reader_.starts_word() && !word_.labels.empty()) {
      // The reader already stands on the next word's first sound, so the
      // finished word's place is taken from the next word's index.
      write_word_row(sentence_number);
      word_.clear();
      ++word_number_;
    }
    double duration = reader_.sound_duration();
    word_.add(label, duration);
    sentence_.add(label, duration);
    ++sound_number_;
    write_sound_row(sentence_number, duration);
  }
  if (!word_.labels.empty()) {
    write_word_row(sentence_number);
    ++word_number_;
  }
  if (size_t line = reader_.early_end_line()) {
    early_end_list_.append(wav_path).append(": ").append(std::to_string(line));
    early_end_list_.append(to_cp1250(". sor\n"));
  }
  reader_.close_set();
  sentences_.write(row_.add(sentence_number)
                       .add(wav_path)
                       .add_duration(sentence_.duration)
                       .add(sentence_.labels)
                       .add(reader_.sentence_text())
                       .add(sentence_.syllables)
                       .finish());
}

void ConversionRun::write_word_row(std::int64_t sentence_number) {
  bool text_word = is_text_word(word_.labels);
  words_.write(row_.add(word_number_)
                   .add(sentence_number)
                   .add_duration(word_.duration)
                   .add(word_.labels)
                   .add(word_.syllables)
                   .add(word_positions_.classify(reader_.word_place(), text_word))
                   .add(text_word ? "IGEN" : "NEM")
                   .finish());
}

void ConversionRun::write_sound_row(std::int64_t sentence_number, double duration) {
  const size_t line = reader_.current_line();
  row_.add(sound_number_)
      .add(word_number_)
      .add(sentence_number)
      .add_formatted(line_fields_[line])
      .add_duration(duration)
      .add(reader_.sound_position())
      .add(reader_.is_short() ? "R" : "H");
  for (int n : kNeighbourOrder) row_.add_formatted(neighbour_fields(line, n));
  sounds_.write(row_.finish());
}

std::string_view ConversionRun::neighbour_fields(size_t line, int n) const {
  // No neighbour: an empty symbol and empty labels.
  constexpr std::string_view kNone = "\t";
  if (n < 0) {
    const auto back = static_cast<size_t>(-n);
    return line >= back ? std::string_view(line_fields_[line - back]) : kNone;
  }
  const size_t following = line + static_cast<size_t>(n);
  return following < line_fields_.size() && !reader_.is_closing_pause(following)
             ? std::string_view(line_fields_[following])
             : kNone;
}

void ConversionRun::report_skipped() {
  if (!mismatch_list_.empty()) {
    host_.show_message(
        to_cp1250("Eltérés van a pit és az imf fájlban lévő hangok számában:\n") + mismatch_list_,
        "Hiba 1...");
  }
  if (!open_failure_list_.empty()) {
    host_.show_message(to_cp1250("Nem tudtam megyitni a négyes minden elemét:\n") +
                           open_failure_list_,
                       "Hiba 2...");
  }
  if (!early_end_list_.empty()) {
    host_.show_message(to_cp1250("Üres címke zárta le idő előtt a mondatot (a címkeállomány "
                                 "sora):\n") +
                           early_end_list_,
                       "Hiba 3...");
  }
}

bool ConversionRun::close_tables() {
  // Tables of one conversion go into place together, or none does.
  TextFileWriter* const writers[] = {&sentences_, &words_, &sounds_};
  const std::string* const paths[] = {&input_.sentences_path, &input_.words_path,
                                      &input_.sounds_path};
  std::vector<bool> failures = close_together(writers);
  std::string failed;
  for (size_t i = 0; i < failures.size(); ++i)
    if (failures[i]) failed.append(*paths[i]).push_back('\n');
  if (failed.empty()) return true;
  // A table that lost rows must not pass for a finished conversion.
  host_.show_message(to_cp1250("Hiba az állomány írásakor:\n") + failed);
  return false;
}

}  // namespace

RunOutcome run_conversion(const ConversionInput& input, const LabelTree& labels, RunHost& host) {
  return ConversionRun(input, labels, host).run();
}

}  // namespace zor
