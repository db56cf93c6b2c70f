#include "conversion/file_set_reader.h"

#include <algorithm>
#include <cstring>
#include <system_error>

#include "annotation/segmentation.h"
#include "conversion/file_set.h"
#include "conversion/phonetics.h"
#include "platform/c_text.h"
#include "platform/encoding.h"
#include "platform/file_io.h"

namespace zor {
namespace {

constexpr std::string_view kHeaderStart = "matrix";
constexpr size_t kPitchHeaderSize = 36;
constexpr size_t kPitchRecordSize = 5;
constexpr std::uint32_t kPitchMagic = 0xFEFEBABA;
constexpr unsigned kSoundBoundaryFlags = 0x0C;
constexpr unsigned kWordBoundaryFlag = 0x10;
constexpr double kMillisecondsPerSample = 0.045351473922902494;  // 1000 / 22050
constexpr int kLengthCodeField = 4;
constexpr int kLabelField = 6;

std::string_view trim_end(std::string_view text) {
  while (!text.empty() && is_c_space(text.back())) text.remove_suffix(1);
  return text;
}

// Field k of a label line runs from after its k-th "<" to the next ">" (or
// the end of the line), trailing white space removed; "" when the line has
// fewer "<".
std::string_view label_field(std::string_view line, int k) {
  size_t open = std::string_view::npos;
  for (int seen = 0; seen < k; ++seen) {
    open = line.find('<', open == std::string_view::npos ? 0 : open + 1);
    if (open == std::string_view::npos) return {};
  }
  size_t start = open + 1;
  size_t close = line.find('>', start);
  if (close == std::string_view::npos) close = line.size();
  return trim_end(line.substr(start, close - start));
}

std::uint32_t little_endian_u32(const std::string& bytes, size_t offset) {
  auto byte = [&](size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i])); };
  return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
}

// A refused input file in words: the OS's own text for a failed open.
std::string_view problem_words(const InputError& error) {
  switch (error.problem) {
    case InputProblem::not_a_file: return "nem közönséges állomány";
    case InputProblem::too_large: return "túl nagy";
    case InputProblem::read_failed: return "olvasási hiba";
    case InputProblem::none:
    case InputProblem::cannot_open: break;
  }
  return std::strerror(error.os_error);
}

}  // namespace

SetResult FileSetReader::fail(SetResult result, std::string_view problem_utf8) {
  problem_ = to_cp1250(problem_utf8);
  return result;
}

SetResult FileSetReader::read_textgrid_set(const std::string& textgrid_path, const SideFile& text) {
  Segmentation segmentation;
  std::string reason;
  if (!read_segmentation(textgrid_path, annotation_.tiers, annotation_.symbols, segmentation, reason)) {
    problem_ = to_cp1250("a .TextGrid állomány: ") + reason;
    return SetResult::bad_annotation;
  }
  // The sounds as a label file would list them, closed by the pause at the
  // end of the last sound, as the lab's label files close a sentence.
  const std::vector<SegmentedSound>& sounds = segmentation.sounds;
  size_t bytes = kPauseLabel.size() + kLongLengthCode.size();
  for (const SegmentedSound& sound : sounds) bytes += sound.label.size() + kLongLengthCode.size();
  label_bytes_.clear();
  label_bytes_.reserve(bytes);  // the views below point into it
  auto add_line = [this](std::string_view code, std::string_view label) {
    const size_t at = label_bytes_.size();
    label_bytes_.append(code).append(label);
    std::string_view stored(label_bytes_.data() + at, code.size() + label.size());
    label_lines_.push_back({stored.substr(0, code.size()), stored.substr(code.size())});
  };
  for (const SegmentedSound& sound : sounds) {
    add_line(sound.is_long ? kLongLengthCode : kShortLengthCode, sound.label);
    sound_boundaries_.push_back(sound.start);
  }
  add_line(kShortLengthCode, kPauseLabel);
  sound_boundaries_.push_back(segmentation.end);
  for (size_t start : segmentation.word_starts) word_boundaries_.push_back(sounds[start].start);
  sound_count_ = static_cast<int>(sound_boundaries_.size());

  if (text.read) {
    std::vector<std::string> lines = split_text_lines(text.bytes);
    sentence_text_ = lines.empty() ? std::string() : std::move(lines.front());
  } else {
    // Without a text file the sentence is its words as the word tier writes them.
    sentence_text_.clear();
    for (const std::string& word : segmentation.word_texts) {
      if (word.empty()) continue;
      if (!sentence_text_.empty()) sentence_text_.push_back(' ');
      sentence_text_.append(word);
    }
  }
  next_line_ = 0;
  return SetResult::opened;
}

SetResult FileSetReader::open_set(std::string_view wav_path, std::optional<SideFiles> read_ahead) {
  problem_.clear();
  const FileSet files = FileSet::of_recording(wav_path);
  SideFiles side = read_ahead ? std::move(*read_ahead) : read_side_files(files);
  SetResult result = read_set(files, side);
  // The label lines are kept only for a set that is going to be read.
  if (result != SetResult::opened) close_set();
  return result;
}

SetResult FileSetReader::read_set(const FileSet& files, SideFiles& side) {
  current_.clear();
  previous_1_.clear();
  previous_2_.clear();
  previous_3_.clear();
  sound_boundaries_.clear();
  word_boundaries_.clear();
  sound_index_ = -1;
  word_index_ = 0;
  vowel_place_ = -1;
  non_vowel_place_ = -1;
  vowel_look_ahead_ = {};
  consonant_look_ahead_ = {};

  label_lines_.clear();
  line_views_.clear();
  // A TextGrid stands in for the label and pitch-mark files only when they
  // are not both there.
  if (!side.label_and_pitch_exist) {
    if (std::string textgrid = textgrid_finder_.find(files.wav_path); !textgrid.empty())
      return read_textgrid_set(textgrid, side.text);
  }
  if (!side.label.read) {
    return fail(SetResult::cannot_open,
                "az .imf állomány nem nyitható meg (" + std::string(problem_words(side.label.error)) + ")");
  }
  label_bytes_ = std::move(side.label.bytes);
  split_text_line_views(label_bytes_, line_views_);
  std::string_view header = line_views_.empty() ? std::string_view() : line_views_.front();
  if (SetResult result = read_label_header(header); result != SetResult::opened) return result;
  if (SetResult marks = read_pitch_marks(side.pitch); marks != SetResult::opened) {
    return marks;
  }
  // A corrupt file whose positions go backwards would give wrapped-around
  // durations; it is rejected with the other damaged pitch-mark files.
  if (auto back = std::is_sorted_until(sound_boundaries_.begin(), sound_boundaries_.end());
      back != sound_boundaries_.end()) {
    return fail(SetResult::bad_pitch_records,
                "a .pit állomány hanghatárai visszafelé haladnak (a " +
                    std::to_string(back - sound_boundaries_.begin() + 1) + ". hanghatárnál)");
  }
  if (sound_boundaries_.empty()) {
    return fail(SetResult::no_sound_boundary, "a .pit állományban nincs hanghatár");
  }
  if (static_cast<long long>(sound_boundaries_.size()) != sound_count_) {
    return fail(SetResult::count_mismatch,
                "az .imf állomány " + std::to_string(sound_count_) + " hangot ír, a .pit állományban " +
                    std::to_string(sound_boundaries_.size()) + " hanghatár van");
  }
  read_sentence_text(side.text);
  // Every sound is looked at up to seven times (itself, look-aheads,
  // neighbours): its fields are cut out once.
  for (size_t line = 1; line < line_views_.size(); ++line) {
    label_lines_.push_back({label_field(line_views_[line], kLengthCodeField),
                            label_field(line_views_[line], kLabelField)});
  }
  next_line_ = 0;
  return SetResult::opened;
}

SetResult FileSetReader::read_label_header(std::string_view header) {
  if (!header.starts_with(kHeaderStart)) {
    return fail(SetResult::bad_label_header, "az .imf állomány első sora nem \"matrix\" szóval kezdődik");
  }
  size_t first = header.find('<');
  size_t second = first == std::string_view::npos ? first : header.find('<', first + 1);
  if (second == std::string_view::npos) {
    return fail(SetResult::bad_label_header, "az .imf állomány első sorából hiányzik a hangok száma");
  }
  // The number after the first "<" is not used.
  sound_count_ = read_c_int(header.substr(second + 1));
  return SetResult::opened;
}

SetResult FileSetReader::read_pitch_marks(const SideFile& pitch) {
  constexpr std::string_view kTooLarge = "a .pit állomány túl nagy (64 MiB fölött)";
  if (!pitch.read) {
    if (pitch.error.problem == InputProblem::too_large) {
      return fail(SetResult::bad_pitch_records, kTooLarge);
    }
    return fail(SetResult::cannot_open,
                "a .pit állomány nem nyitható meg (" + std::string(problem_words(pitch.error)) + ")");
  }
  const std::string& bytes = pitch.bytes;
  if (bytes.size() < kPitchHeaderSize) {
    return fail(SetResult::bad_pitch_records, "a .pit állomány rövidebb a 36 bájtos fejlécnél");
  }
  if (little_endian_u32(bytes, 0) != kPitchMagic) {
    return fail(SetResult::bad_pitch_magic, "a .pit állomány azonosítója hibás (nem periódusjel-állomány)");
  }
  size_t records = (bytes.size() - kPitchHeaderSize) / kPitchRecordSize;
  for (size_t r = 0; r < records; ++r) {
    size_t offset = kPitchHeaderSize + r * kPitchRecordSize;
    unsigned flags = static_cast<unsigned char>(bytes[offset]);
    std::uint32_t position = little_endian_u32(bytes, offset + 1);
    bool sound = (flags & kSoundBoundaryFlags) == kSoundBoundaryFlags;
    if (sound) sound_boundaries_.push_back(position);
    if (flags & kWordBoundaryFlag) {
      word_boundaries_.push_back(position);
      // A word boundary is always a sound boundary too.
      if (!sound) sound_boundaries_.push_back(position);
    }
  }
  return SetResult::opened;
}

void FileSetReader::read_sentence_text(const SideFile& text) {
  sentence_text_.clear();
  if (!text.read) return;
  std::vector<std::string> lines = split_text_lines(text.bytes);
  if (!lines.empty()) sentence_text_ = std::move(lines.front());
}

void FileSetReader::close_set() {
  label_lines_.clear();
  line_views_.clear();
  label_bytes_.clear();
  next_line_ = 0;
  sound_boundaries_.clear();
  word_boundaries_.clear();
}

bool FileSetReader::begins_word(int sound_index, int word_index) const {
  return sound_index >= 0 && word_index >= 0 &&
         static_cast<size_t>(sound_index) < sound_boundaries_.size() &&
         static_cast<size_t>(word_index) < word_boundaries_.size() &&
         sound_boundaries_[sound_index] == word_boundaries_[word_index];
}

std::string FileSetReader::next_sound() {
  if (next_line_ >= label_lines_.size()) return {};
  const LabelLine& line = label_lines_[next_line_++];
  std::string_view length_code = line.length_code;
  std::string_view label = line.label;
  ++sound_index_;
  // The pause at the last boundary ends the sentence.
  if (label == kPauseLabel && static_cast<size_t>(sound_index_) + 1 == sound_boundaries_.size()) {
    return {};
  }
  if (begins_word(sound_index_, word_index_ + 1)) {
    ++word_index_;
    vowel_place_ = -1;
    non_vowel_place_ = -1;
  }
  MarkedLabel marked = mark_length(length_code, label);
  short_flag_ = marked.is_short;
  previous_3_ = std::move(previous_2_);
  previous_2_ = std::move(previous_1_);
  previous_1_ = std::move(current_);
  current_ = std::move(marked.label);
  if (is_vowel(current_)) {
    update_place(vowel_place_, vowel_look_ahead_, is_vowel);
  } else {
    update_place(non_vowel_place_, consonant_look_ahead_, is_consonant);
  }
  return current_;
}

size_t FileSetReader::early_end_line() const {
  if (next_line_ == 0 || !label_lines_[next_line_ - 1].label.empty()) return 0;
  if (static_cast<size_t>(sound_index_) + 1 >= sound_boundaries_.size()) return 0;
  return next_line_ + 1;
}

void FileSetReader::update_place(int& place, LookAhead& memo, bool (*test)(std::string_view)) {
  if (place == -1) {
    place = 0;
    return;
  }
  place = word_has_later(memo, test) ? 1 : 2;
}

bool FileSetReader::word_has_later(LookAhead& memo, bool (*test)(std::string_view)) {
  const long long offset = sound_index_ - static_cast<long long>(next_line_);
  if (memo.valid && memo.word_index == word_index_ && memo.line_offset == offset &&
      memo.from <= next_line_ && next_line_ <= memo.stop) {
    return memo.found;
  }
  // The look-ahead tests the labels as written, without a long mark.
  size_t line = next_line_;
  bool found = false;
  for (; line < label_lines_.size(); ++line) {
    if (begins_word(static_cast<int>(offset + static_cast<long long>(line) + 1), word_index_ + 1)) break;
    if (test(label_lines_[line].label)) {
      found = true;
      break;
    }
  }
  memo = {true, word_index_, offset, next_line_, line, found};
  return found;
}

std::string FileSetReader::context_sound(int n) {
  switch (n) {
    case -1: return previous_1_;
    case -2: return previous_2_;
    case -3: return previous_3_;
    case 1: case 2: case 3: break;
    default: return {};
  }
  size_t line = next_line_ + static_cast<size_t>(n) - 1;
  if (line >= label_lines_.size() || is_closing_pause(line)) return {};
  MarkedLabel marked = mark_length(label_lines_[line].length_code, label_lines_[line].label);
  short_flag_ = marked.is_short;
  return std::move(marked.label);
}

std::string FileSetReader::line_sound(size_t line) const {
  return mark_length(label_lines_[line].length_code, label_lines_[line].label).label;
}

bool FileSetReader::is_closing_pause(size_t line) const {
  // A pause that is the file's last line counts as no sound.
  return label_lines_[line].label == kPauseLabel && line + 1 >= label_lines_.size();
}

double FileSetReader::sound_duration() const {
  if (sound_index_ < 0 || static_cast<size_t>(sound_index_) + 1 >= sound_boundaries_.size()) {
    return 0.0;
  }
  std::uint32_t samples = sound_boundaries_[sound_index_ + 1] - sound_boundaries_[sound_index_];
  return static_cast<double>(samples) * kMillisecondsPerSample;
}

std::uint32_t FileSetReader::sound_start() const {
  if (sound_index_ < 0 || static_cast<size_t>(sound_index_) >= sound_boundaries_.size()) return 0;
  return sound_boundaries_[static_cast<size_t>(sound_index_)];
}

std::uint32_t FileSetReader::sound_end() const {
  if (sound_index_ < 0 || static_cast<size_t>(sound_index_) + 1 >= sound_boundaries_.size()) {
    return sound_start();
  }
  return sound_boundaries_[static_cast<size_t>(sound_index_) + 1];
}

bool FileSetReader::starts_word() const { return begins_word(sound_index_, word_index_); }

int FileSetReader::word_place() const {
  if (word_index_ == 1) return 0;
  if (static_cast<size_t>(word_index_) + 1 == word_boundaries_.size()) return 3;
  return 1;
}

std::string_view FileSetReader::sound_position() const {
  int place = is_consonant(current_) ? non_vowel_place_ : vowel_place_;
  switch (place) {
    case 0: return "ELSO";
    case 1: return "BELSO";
    case 2: return "UTOLSO";
    default: return "";
  }
}

}  // namespace zor
