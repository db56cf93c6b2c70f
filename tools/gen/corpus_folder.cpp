#include "gen/corpus_folder.h"

#include <fstream>

namespace zor::gen {

bool write_file(const std::filesystem::path& path, const std::string& bytes, std::string& error) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (out) return true;
  error = "cannot write " + path.string();
  return false;
}

CorpusFolder::CorpusFolder(const std::filesystem::path& out) {
  // A folder that cannot be made shows up as the first file that cannot be written.
  std::error_code created;
  std::filesystem::create_directories(out, created);
  folder_ = std::filesystem::absolute(out);
}

bool CorpusFolder::add(const std::string& stem, const RecordingFiles& files, std::string& wav_path,
                       std::string& error) {
  std::filesystem::path base = folder_ / stem;
  auto with = [&](const std::string& extension) {
    std::filesystem::path path = base;
    return path += extension;
  };
  if (files.wav && !write_file(with(files.extension), *files.wav, error)) return false;
  if (files.has_labels && !write_file(with(".imf"), files.label_file_text(), error)) return false;
  if (files.has_pitch_marks && !write_file(with(".pit"), files.pitch_file_bytes(), error)) return false;
  if (files.text && !write_file(with(".txt"), *files.text, error)) return false;
  wav_path = with(files.extension).string();
  list_ += wav_path + "\r\n";
  return true;
}

bool CorpusFolder::write_list(std::filesystem::path& list, std::string& error) const {
  list = folder_ / "list.txt";
  return write_file(list, list_, error);
}

}  // namespace zor::gen
