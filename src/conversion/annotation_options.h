#pragma once
// How the recordings annotated in TextGrids are read: which tiers hold the
// sounds and the words, and how their sounds are spelled.
#include "annotation/segmentation.h"
#include "annotation/symbol_set.h"

namespace zor {

struct AnnotationOptions {
  TierNames tiers;  // empty names: the aligners' own
  SymbolSet symbols = SymbolSet::zor();
};

}  // namespace zor
