#pragma once
// The conversion run: recordings in, sentence, word and sound tables out.
#include <string>
#include <vector>

#include "conversion/annotation_options.h"
#include "platform/byte_stream.h"
#include "platform/run_host.h"

namespace zor {

class LabelTree;

struct Recording {
  std::string file_name;  // ends in ".wav"
  std::string directory;  // ends in the path separator
};

struct ConversionInput {
  std::vector<Recording> recordings;  // in display order
  std::string sentences_path;
  std::string words_path;
  std::string sounds_path;
  // Held for the run, so that no other run writes the same outputs; empty:
  // none.
  std::string lock_path;
  // How recordings annotated in TextGrids are read.
  AnnotationOptions annotation;
  // Where the word and the sound table's bytes go too, as they are
  // written, for a reader on another thread; none when null. The caller
  // closes them after the run.
  ByteStream* word_copy = nullptr;
  ByteStream* sound_copy = nullptr;
};

// Asks first, then converts every recording, lists the skipped ones at the
// end. The outcome is `failed` when an output file could not be opened or
// written.
RunOutcome run_conversion(const ConversionInput& input, const LabelTree& labels, RunHost& host);

}  // namespace zor
