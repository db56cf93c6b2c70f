#pragma once
// The corpus tables told apart by their bytes: a size and a 128-bit hash of
// each, so that a corpus kept from an earlier run is used only while the
// tables are exactly as they were.
#include <array>
#include <cstdint>
#include <optional>

#include "corpus/output_names.h"

namespace zor {

struct TableFingerprint {
  std::uint64_t bytes = 0;
  std::uint64_t hash_low = 0, hash_high = 0;

  bool operator==(const TableFingerprint&) const = default;
};

// The sentence and word tables, and the sound table's two halves.
using CorpusFingerprint = std::array<TableFingerprint, 4>;

// Read on two cores, at the speed of the file cache; nullopt when a table
// cannot be read.
std::optional<CorpusFingerprint> fingerprint_tables(const OutputNames& names);

}  // namespace zor
