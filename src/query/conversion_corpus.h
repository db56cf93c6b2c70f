#pragma once
// The query corpus of the tables a conversion writes, read from their rows
// on other threads while they are written, and kept for the first query of
// the tables, which then maps it as a query again does instead of reading
// the tables. A conversion leaves a core half idle; a query has none to
// spare.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

#include "corpus/output_names.h"
#include "platform/byte_stream.h"
#include "platform/run_host.h"
#include "query/corpus_cache.h"

namespace zor {

// Runs `convert`, which writes the word and the sound table that `names`
// lists into the two streams too, and keeps their corpus in `folder` when
// it wrote the tables whole (completed or partial) and they are large
// enough to be kept at all.
using ConversionWriting = std::function<RunOutcome(ByteStream& words, ByteStream& sounds)>;
RunOutcome convert_keeping_corpus(const OutputNames& names, std::optional<std::filesystem::path> folder,
                                  const ConversionWriting& convert,
                                  std::uint64_t least_table_bytes = CorpusCache::kLeastTableBytes);

}  // namespace zor
