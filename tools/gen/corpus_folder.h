#pragma once
// A folder of recordings being written, with the list file that names them in
// the order they were added.
#include <filesystem>
#include <string>

#include "gen/recording_files.h"

namespace zor::gen {

class CorpusFolder {
 public:
  // Creates the folder when missing; the paths in the list are absolute.
  explicit CorpusFolder(const std::filesystem::path& out);

  const std::filesystem::path& path() const { return folder_; }
  // Writes the files the set has as folder/stem plus their extensions and
  // lists the WAV path (UTF-8, as the file system names it). False with a
  // message when a file cannot be written.
  bool add(const std::string& stem, const RecordingFiles& files, std::string& wav_path,
           std::string& error);
  // Writes list.txt, one WAV path per line with CR LF, and returns its path.
  bool write_list(std::filesystem::path& list, std::string& error) const;

 private:
  std::filesystem::path folder_;
  std::string list_;
};

// Writes the bytes as the whole file; false with a message naming it.
bool write_file(const std::filesystem::path& path, const std::string& bytes, std::string& error);

}  // namespace zor::gen
