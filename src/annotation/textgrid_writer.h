#pragma once
// A segmentation as Praat's long text format, so that the labels of a corpus
// can be looked at and corrected in Praat and read back.
#include <string>

#include "annotation/segmentation.h"

namespace zor {

// The TextGrid text format as Praat writes it ("ooTextFile", UTF-8 without BOM, LF line
// ends) with the interval tiers "phones" and "words". Sounds are written in ZOR's symbols:
// a long sound whose label has no ":" gets one after it ("k:"), the pause is "_"; an empty
// word text is "". The grid runs from the first sound's start (0 in a whole recording) to
// `end`; each time is written with the fewest digits (15 to 17) that read back as the same
// number, as Praat does, so every boundary reads back as the same sample.
std::string textgrid_text(const Segmentation& segmentation);

}  // namespace zor
