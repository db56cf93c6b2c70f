#pragma once
// The recordings a batch command converts: named on the command line or in a
// list file, one WAV path per line, in the OS's encoding.
#include <string>
#include <string_view>
#include <vector>

#include "conversion/conversion_run.h"

namespace zor {

// Reads a list file into Windows-1250 WAV paths, in file order. Lines that are
// empty or white space only are skipped; a UTF-8 byte-order mark is ignored; a
// character without a Windows-1250 byte becomes "?". False when the file
// cannot be read (`wav_paths` is then untouched).
bool read_recording_list(std::string_view native_list_path, std::vector<std::string>& wav_paths);

// A Windows-1250 path split into its directory (up to and including the last
// separator) and its file name.
Recording recording_of(std::string_view wav_path);

}  // namespace zor
