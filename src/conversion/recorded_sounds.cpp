#include "conversion/recorded_sounds.h"

#include "conversion/table_row.h"

namespace zor {

bool read_recorded_sounds(FileSetReader& reader, std::string_view wav_path,
                          std::vector<RecordedSound>& sounds, std::string& problem) {
  sounds.clear();
  if (reader.open_set(wav_path) != SetResult::opened) {
    problem = reader.problem();
    reader.close_set();
    return false;
  }
  TableRow row;
  for (std::string label = reader.next_sound(); !label.empty(); label = reader.next_sound()) {
    std::string_view line = row.add_duration(reader.sound_duration()).finish();
    line.remove_suffix(1);  // the row's "\n"
    sounds.push_back({std::move(label), std::string(line), reader.sound_start(), reader.sound_end()});
  }
  reader.close_set();
  return true;
}

}  // namespace zor
