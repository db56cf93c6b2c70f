#include "query/table_fingerprint.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include <xxhash.h>

#include "platform/encoding.h"
#include "platform/file_io.h"

namespace zor {
namespace {

struct CloseFile {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, CloseFile>;

// The bytes of an open file from `from` to its end, or `count` of them.
std::optional<TableFingerprint> fingerprint(std::FILE* file, std::uint64_t from, std::uint64_t count) {
  if (!seek_input_file(file, from)) return std::nullopt;
  std::unique_ptr<XXH3_state_t, decltype(&XXH3_freeState)> state(XXH3_createState(), XXH3_freeState);
  if (!state || XXH3_128bits_reset(state.get()) != XXH_OK) return std::nullopt;
  std::vector<char> chunk(size_t{1} << 20);
  TableFingerprint print;
  while (print.bytes < count) {
    const size_t read = std::fread(chunk.data(), 1, static_cast<size_t>(std::min<std::uint64_t>(chunk.size(), count - print.bytes)), file);
    if (read == 0) break;
    XXH3_128bits_update(state.get(), chunk.data(), read);
    print.bytes += read;
  }
  if (std::ferror(file)) return std::nullopt;
  const XXH128_hash_t hash = XXH3_128bits_digest(state.get());
  print.hash_low = hash.low64;
  print.hash_high = hash.high64;
  return print;
}

}  // namespace

std::optional<CorpusFingerprint> fingerprint_tables(const OutputNames& names) {
  File sentences(open_file(names.sentences, "rb")), words(open_file(names.words, "rb"));
  File sounds(open_file(names.sounds, "rb")), sounds_again(open_file(names.sounds, "rb"));
  if (!sentences || !words || !sounds || !sounds_again) return std::nullopt;
  std::error_code error;
  const std::uint64_t half = std::filesystem::file_size(native_file_name(names.sounds), error) / 2;
  if (error) return std::nullopt;
  constexpr std::uint64_t kToTheEnd = UINT64_MAX;
  std::future<std::optional<TableFingerprint>> first_half =
      std::async(std::launch::async, [&] { return fingerprint(sounds.get(), 0, half); });
  std::optional<TableFingerprint> prints[] = {fingerprint(sentences.get(), 0, kToTheEnd),
                                              fingerprint(words.get(), 0, kToTheEnd),
                                              fingerprint(sounds_again.get(), half, kToTheEnd)};
  const std::optional<TableFingerprint> first = first_half.get();
  if (!first || !prints[0] || !prints[1] || !prints[2]) return std::nullopt;
  return CorpusFingerprint{*prints[0], *prints[1], *first, *prints[2]};
}

}  // namespace zor
