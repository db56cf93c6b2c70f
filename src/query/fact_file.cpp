#include "query/fact_file.h"

#include <algorithm>
#include <array>
#include <future>
#include <numeric>

#include <xxhash.h>

namespace zor {
namespace {

constexpr size_t kAlignment = 64;

struct SectionHead {
  std::uint64_t bytes = 0;
  std::uint64_t checksum = 0;
};

std::uint64_t checksum(std::span<const std::byte> bytes) { return XXH3_64bits(bytes.data(), bytes.size()); }

size_t padding_after(std::uint64_t offset) { return (kAlignment - offset % kAlignment) % kAlignment; }

}  // namespace

void FactFileWriter::put_bytes(std::span<const std::byte> bytes) {
  static constexpr std::array<char, kAlignment> kZeros{};
  const SectionHead head{bytes.size(), checksum(bytes)};
  auto write = [this](const void* data, size_t size) {
    file_.write_crlf_text(std::string_view(static_cast<const char*>(data), size));
    written_ += size;
  };
  write(&head, sizeof head);
  write(kZeros.data(), padding_after(written_));
  write(bytes.data(), bytes.size());
  write(kZeros.data(), padding_after(written_));
}

void FactFileWriter::put_texts(std::span<const std::string_view> texts) {
  std::vector<std::uint32_t> lengths;
  std::string bytes;
  for (std::string_view text : texts) {
    lengths.push_back(static_cast<std::uint32_t>(text.size()));
    bytes.append(text);
  }
  put(std::span<const std::uint32_t>(lengths));
  put(std::span<const char>(bytes));
}

FactFileReader::FactFileReader(std::span<const std::byte> bytes) {
  if (reinterpret_cast<std::uintptr_t>(bytes.data()) % kAlignment != 0) {
    intact_ = false;
    return;
  }
  size_t at = 0;
  while (at < bytes.size()) {
    SectionHead head;
    if (bytes.size() - at < sizeof head) {
      intact_ = false;
      return;
    }
    std::memcpy(&head, bytes.data() + at, sizeof head);
    at += sizeof head;
    if (padding_after(sizeof head) > bytes.size() - at) {
      intact_ = false;
      return;
    }
    paddings_.push_back(bytes.subspan(at, padding_after(sizeof head)));
    at += paddings_.back().size();
    if (head.bytes > bytes.size() - at) {
      intact_ = false;
      return;
    }
    sections_.push_back(bytes.subspan(at, static_cast<size_t>(head.bytes)));
    checksums_.push_back(head.checksum);
    at += static_cast<size_t>(head.bytes);
    if (padding_after(at) > bytes.size() - at) {
      intact_ = false;
      return;
    }
    paddings_.push_back(bytes.subspan(at, padding_after(at)));
    at += paddings_.back().size();
  }
}

bool FactFileReader::unchanged() const {
  size_t total = 0;
  for (std::span<const std::byte> section : sections_) total += section.size();
  // The sections up to about half of the bytes on another core.
  size_t half = 0;
  for (size_t before = 0; half < sections_.size() && before < total / 2; ++half) before += sections_[half].size();
  auto as_written = [this](size_t from, size_t to) {
    for (size_t k = from; k < to; ++k)
      if (checksum(sections_[k]) != checksums_[k]) return false;
    return true;
  };
  std::future<bool> first_half = std::async(std::launch::async, as_written, 0, half);
  const bool second_half = as_written(half, sections_.size());
  const bool zero_padding = std::all_of(paddings_.begin(), paddings_.end(), [](std::span<const std::byte> padding) {
    return std::all_of(padding.begin(), padding.end(), [](std::byte b) { return b == std::byte{0}; });
  });
  return first_half.get() && second_half && zero_padding;
}

std::span<const std::byte> FactFileReader::next_bytes(size_t alignment) {
  if (!intact_ || next_ == sections_.size()) {
    intact_ = false;
    return {};
  }
  const std::span<const std::byte> bytes = sections_[next_++];
  if (reinterpret_cast<std::uintptr_t>(bytes.data()) % alignment != 0) intact_ = false;
  return bytes;
}

std::vector<std::string_view> FactFileReader::texts() {
  const FactColumn<std::uint32_t> lengths = column<std::uint32_t>();
  const FactColumn<char> bytes = column<char>();
  std::vector<std::string_view> texts;
  if (!intact_ || std::accumulate(lengths.begin(), lengths.end(), std::uint64_t{0}) != bytes.size()) {
    intact_ = false;
    return texts;
  }
  size_t at = 0;
  for (std::uint32_t length : lengths) {
    texts.emplace_back(bytes.data() + at, length);
    at += length;
  }
  return texts;
}

}  // namespace zor
