#pragma once
// A recording's set as a segmentation: the sounds and words the conversion
// reads from it, with their sample positions, so that a corpus of label and
// pitch-mark files can be written out as TextGrids for Praat, EMU or an
// aligner.
#include <string>
#include <string_view>

#include "annotation/segmentation.h"
#include "conversion/file_set_reader.h"

namespace zor {

// Each word's text is the sentence text's word at its place when the text
// has as many words as the set has words other than pauses; otherwise its
// labels. A pause word has the empty text. False, with the reason, when the
// set cannot be read or a sound takes no time (a TextGrid cannot hold it).
bool read_set_segmentation(FileSetReader& reader, std::string_view wav_path, Segmentation& out,
                           std::string& problem);

}  // namespace zor
