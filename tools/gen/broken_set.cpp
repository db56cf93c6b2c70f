#include "gen/broken_set.h"

#include <utility>

namespace zor::gen {
namespace {

bool is_boundary(const PitchRecord& record) {
  return (record.flags & kSoundBoundary) == kSoundBoundary || (record.flags & 0x10) != 0;
}

void without_labels(RecordingFiles& files) { files.has_labels = false; }
void without_pitch_marks(RecordingFiles& files) { files.has_pitch_marks = false; }
void cut_pitch_header(RecordingFiles& files) { files.pitch_file_size = 20; }

// The second and third boundaries trade places.
void decreasing_boundaries(RecordingFiles& files) {
  PitchRecord* earlier = nullptr;
  int seen = 0;
  for (PitchRecord& record : files.pitch_records) {
    if (!is_boundary(record) || ++seen < 2) continue;
    if (!earlier) {
      earlier = &record;
      continue;
    }
    std::swap(earlier->position, record.position);
    return;
  }
}

void capital_header(RecordingFiles& files) { files.label_header_start = "MATRIX"; }
void header_without_count(RecordingFiles& files) { files.label_sound_count.reset(); }

// "S01.WAV" keeps its name in every side-file path, so the WAV file itself
// is read as the label file.
void upper_case_extension(RecordingFiles& files) {
  files.extension = ".WAV";
  files.has_labels = false;
  files.has_pitch_marks = false;
  files.text.reset();
}

void wrong_magic(RecordingFiles& files) { files.pitch_magic = 0xBABAFEFE; }

// The last label line lost, and the header counting what is left.
void lost_label_line(RecordingFiles& files) {
  files.label_lines.pop_back();
  files.label_sound_count = static_cast<int>(files.label_lines.size());
}

void only_pitch_marks(RecordingFiles& files) {
  std::erase_if(files.pitch_records, is_boundary);
}

}  // namespace

const std::vector<BrokenKind>& broken_kinds() {
  static const std::vector<BrokenKind> kinds = {
      {"no-label-file", 0, without_labels},
      {"no-pitch-file", 0, without_pitch_marks},
      {"short-pitch-file", 1, cut_pitch_header},
      {"decreasing-boundaries", 1, decreasing_boundaries},
      {"capital-matrix", 2, capital_header},
      {"no-sound-count", 2, header_without_count},
      {"upper-case-wav", 2, upper_case_extension},
      {"wrong-magic", 3, wrong_magic},
      {"count-mismatch", 4, lost_label_line},
      {"no-sound-boundary", 5, only_pitch_marks},
  };
  return kinds;
}

}  // namespace zor::gen
