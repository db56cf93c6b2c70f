// The label file, pitch-mark file and text file of one recording, read by
// FileSetReader. The input holds the three files one after the other,
// separated by "\0\0|\0\0"; a missing part is a missing file.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "conversion/file_set_reader.h"
#include "fuzz_files.h"
#include "recording_input.h"

namespace {

// Everything the conversion asks the reader about one set.
std::string read_through(zor::FileSetReader& reader, const std::string& wav_path, size_t max_lines) {
  std::string trace;
  zor::SetResult result = reader.open_set(wav_path);
  int code = static_cast<int>(result);
  zor::fuzz::expect(code >= 0 && code <= 6, "result code out of range");
  trace += std::to_string(code);
  if (result == zor::SetResult::opened) {
    size_t sounds = 0;
    for (std::string label = reader.next_sound(); !label.empty(); label = reader.next_sound()) {
      zor::fuzz::expect(++sounds <= max_lines, "next_sound does not end the sentence");
      double duration = reader.sound_duration();
      zor::fuzz::expect(std::isfinite(duration) && duration >= 0.0, "bad duration");
      int place = reader.word_place();
      zor::fuzz::expect(place == 0 || place == 1 || place == 3, "bad word place");
      std::string_view position = reader.sound_position();
      zor::fuzz::expect(position.empty() || position == "ELSO" || position == "BELSO" ||
                            position == "UTOLSO",
                        "bad sound position");
      trace += '|' + label + ' ' + std::to_string(duration) + ' ' + std::to_string(place) + ' ' +
               std::string(position) + (reader.starts_word() ? " W" : " -") +
               (reader.is_short() ? " R" : " H");
      for (int n : {-3, -2, -1, 1, 2, 3}) trace += ' ' + reader.context_sound(n);
      zor::fuzz::expect(reader.context_sound(0).empty() && reader.context_sound(4).empty(),
                        "context beyond three sounds");
      trace += ' ' + reader.sentence_text();
    }
  }
  reader.close_set();
  return trace;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  std::string wav_path = zor::fuzz::write_recording(zor::fuzz::as_bytes(data, size), "set");
  // One reader serves a whole run: a second reading of the same set must not
  // see anything the first one left behind.
  static zor::FileSetReader reader;
  std::string first = read_through(reader, wav_path, size + 2);
  std::string second = read_through(reader, wav_path, size + 2);
  zor::fuzz::expect(first == second, "a second reading of the set differs");
  return 0;
}
