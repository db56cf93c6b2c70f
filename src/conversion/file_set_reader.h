#pragma once
// Reads one recording's file set for the conversion: the pitch-mark file gives
// the sample positions at which sounds and words begin, the label file one
// sound label per line, the optional text file the sentence as written. A
// Praat TextGrid beside the WAV (NAME.TextGrid) gives both when the label and
// pitch-mark files are not there. The
// reader checks the set, then hands out the sounds one at a time with
// everything the conversion writes about each. One reader serves a whole run.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/annotation_options.h"
#include "conversion/side_files.h"
#include "conversion/textgrid_finder.h"

namespace zor {

struct FileSet;

// What open_set found. The numbers are part of the system's vocabulary.
enum class SetResult : int {
  cannot_open = 0,        // the label or the pitch-mark file cannot be opened
  bad_pitch_records = 1,  // pitch-mark file shorter than its header, far too
                          // large for one sentence (over 64 MiB), or its
                          // sound boundaries go backwards
  bad_label_header = 2,   // no "matrix" at the start, or a "<" missing
  bad_pitch_magic = 3,
  count_mismatch = 4,     // the label header's sound count differs
  no_sound_boundary = 5,
  opened = 6,
  bad_annotation = 7,     // a TextGrid that cannot be read or has no usable tiers
};

class FileSetReader {
 public:
  // How TextGrid sets are read: their tiers and symbols.
  void set_annotation(AnnotationOptions options) { annotation_ = std::move(options); }

  // Call close_set afterwards whatever the result. The set's side files are
  // read now unless they have been read ahead.
  SetResult open_set(std::string_view wav_path, std::optional<SideFiles> read_ahead = std::nullopt);
  // Why the last open_set failed: which side file and which check, in the
  // wizard's language (Windows-1250); "" after a set that opened.
  const std::string& problem() const { return problem_; }
  void close_set();

  // The next sound's label, with its long mark; "" ends the sentence.
  std::string next_sound();
  // After next_sound returned the empty text: the label-file line (1-based,
  // the header being line 1) whose empty label ended the sentence before its
  // last sound boundary, a blank line or one cut by a zero byte; 0 when the
  // sentence ended where it should.
  size_t early_end_line() const;
  // n = -1..-3: the labels handed out before the current one; n = 1..3: the
  // labels of the following lines of the label file (a pause that is the last
  // line counts as no sound). Other n give "". A following sound's length
  // overwrites the short flag, so read is_short first.
  std::string context_sound(int n);
  // The label lines of the open set, for a caller that formats each line
  // once rather than once for every sound it stands beside: the line the
  // current sound was read from (the sounds before it were read from the
  // lines before it), a line's label as next_sound() hands it out, and
  // whether it is the closing pause on the last line, which is no
  // following sound.
  size_t line_count() const { return label_lines_.size(); }
  size_t current_line() const { return next_line_ - 1; }
  std::string line_sound(size_t line) const;
  bool is_closing_pause(size_t line) const;

  double sound_duration() const;  // milliseconds
  // The sample positions where the current sound begins and ends; the last
  // sound of a set without a closing pause ends where it begins.
  std::uint32_t sound_start() const;
  std::uint32_t sound_end() const;
  bool starts_word() const;
  // 0 for the word of index 1, 3 for the last word, 1 otherwise.
  int word_place() const;
  bool is_short() const { return short_flag_; }
  // "ELSO", "BELSO", "UTOLSO" or "".
  std::string_view sound_position() const;
  const std::string& sentence_text() const { return sentence_text_; }

  // The sound count of the label-file header.
  int header_sound_count() const { return sound_count_; }

 private:
  SetResult read_set(const FileSet& files, SideFiles& side);
  SetResult fail(SetResult result, std::string_view problem_utf8);
  SetResult read_textgrid_set(const std::string& textgrid_path, const SideFile& text);
  SetResult read_label_header(std::string_view header);
  SetResult read_pitch_marks(const SideFile& pitch);
  void read_sentence_text(const SideFile& text);
  bool begins_word(int sound_index, int word_index) const;
  // Where the last look-ahead of one test stopped. A scan that starts
  // further on but not past that line stops there too, so a word is scanned
  // once per test instead of once per sound (a word of many thousand pauses
  // would otherwise take quadratic time).
  struct LookAhead {
    bool valid = false;
    int word_index = 0;
    long long line_offset = 0;  // sound index minus reading position
    size_t from = 0;
    size_t stop = 0;
    bool found = false;
  };
  // Whether a later sound of the current word passes the test.
  bool word_has_later(LookAhead& memo, bool (*test)(std::string_view));
  void update_place(int& place, LookAhead& memo, bool (*test)(std::string_view));

  // The label file's data lines with their two fields, taken once when the
  // set opens (the fields point into label_bytes_).
  struct LabelLine {
    std::string_view length_code;
    std::string_view label;
  };
  std::string label_bytes_;
  std::vector<std::string_view> line_views_;
  std::vector<LabelLine> label_lines_;
  size_t next_line_ = 0;  // the label file's reading position among the data lines
  LookAhead vowel_look_ahead_;
  LookAhead consonant_look_ahead_;

  std::string problem_;
  AnnotationOptions annotation_;
  TextGridFinder textgrid_finder_;
  int sound_count_ = 0;
  std::vector<std::uint32_t> sound_boundaries_;
  std::vector<std::uint32_t> word_boundaries_;
  std::string sentence_text_;

  int sound_index_ = -1;
  int word_index_ = 0;
  std::string current_, previous_1_, previous_2_, previous_3_;
  bool short_flag_ = false;
  int vowel_place_ = -1;
  int non_vowel_place_ = -1;
};

}  // namespace zor
