#pragma once
// One recording's side files packed into a fuzz input: the label file, the
// pitch-mark file and the text file, separated by kRecordingPartSeparator.
// A part that is missing from the input is a file missing from the folder.
#include <string>
#include <string_view>

namespace zor::fuzz {

inline constexpr std::string_view kRecordingPartSeparator{"\0\0|\0\0", 5};

// Writes <stem>.imf, .pit and .txt (those the input holds) into the scratch
// folder, removing any left from an earlier input; returns the WAV path.
// What follows a separator after the text file goes to `rest` when given.
std::string write_recording(std::string_view input, std::string_view stem,
                            std::string_view* rest = nullptr);

}  // namespace zor::fuzz
