#include "annotation/textgrid_test_files.h"

#include <iconv.h>

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "support/test_files.h"

namespace zor::test {

std::string utf16_with_bom(std::string_view utf8, bool big_endian) {
  iconv_t cd = iconv_open(big_endian ? "UTF-16BE" : "UTF-16LE", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no UTF-16 in iconv");
  std::string out(utf8.size() * 4 + 2, '\0');
  char* in = const_cast<char*>(utf8.data());
  size_t in_left = utf8.size();
  char* to = out.data() + 2;
  size_t to_left = out.size() - 2;
  size_t rc = iconv(cd, &in, &in_left, &to, &to_left);
  iconv_close(cd);
  if (rc == static_cast<size_t>(-1)) throw std::runtime_error("not UTF-8");
  out.resize(out.size() - to_left);
  out[0] = big_endian ? '\xFE' : '\xFF';
  out[1] = big_endian ? '\xFF' : '\xFE';
  return out;
}

std::string describe(const TextGrid& grid) {
  auto time = [](double t) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", t);
    return std::string(buffer);
  };
  std::string text = "grid " + time(grid.xmin) + ".." + time(grid.xmax) + "\n";
  for (const TextGridTier& tier : grid.tiers) {
    text += (tier.is_interval_tier ? "interval tier \"" : "point tier \"") + tier.name + "\"\n";
    for (const TextGridInterval& interval : tier.intervals) {
      text +=
          "  " + time(interval.xmin) + ".." + time(interval.xmax) + " \"" + interval.text + "\"\n";
    }
  }
  return text;
}

BinaryGrid::BinaryGrid() : bytes_("ooBinaryFile") { class_name("TextGrid"); }

BinaryGrid& BinaryGrid::real(double value) {
  auto bits = std::bit_cast<std::uint64_t>(value);
  for (int shift = 56; shift >= 0; shift -= 8) bytes_.push_back(static_cast<char>(bits >> shift));
  return *this;
}

BinaryGrid& BinaryGrid::integer(std::int32_t value) {
  auto bits = static_cast<std::uint32_t>(value);
  for (int shift = 24; shift >= 0; shift -= 8) bytes_.push_back(static_cast<char>(bits >> shift));
  return *this;
}

BinaryGrid& BinaryGrid::byte(std::uint8_t value) {
  bytes_.push_back(static_cast<char>(value));
  return *this;
}

BinaryGrid& BinaryGrid::u16(unsigned value) {
  bytes_.push_back(static_cast<char>(value >> 8));
  bytes_.push_back(static_cast<char>(value));
  return *this;
}

BinaryGrid& BinaryGrid::class_name(std::string_view name) {
  byte(static_cast<std::uint8_t>(name.size()));
  bytes_ += name;
  return *this;
}

BinaryGrid& BinaryGrid::text(std::string_view utf8) {
  bool ascii = true;
  size_t characters = 0;
  for (char c : utf8) {
    if (static_cast<unsigned char>(c) >= 0x80) ascii = false;
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
  }
  if (ascii) {
    u16(static_cast<unsigned>(utf8.size()));
    bytes_ += utf8;
    return *this;
  }
  u16(0xFFFF);
  u16(static_cast<unsigned>(characters));
  bytes_ += utf16_with_bom(utf8, true).substr(2);
  return *this;
}

std::string find_praat() {
  const char* path = std::getenv("PATH");
  if (!path) return {};
  std::string_view folders(path);
  while (!folders.empty()) {
    size_t colon = folders.find(':');
    std::string_view folder = folders.substr(0, colon);
    folders = colon == std::string_view::npos ? std::string_view() : folders.substr(colon + 1);
    if (folder.empty()) continue;
    std::filesystem::path candidate = std::filesystem::path(folder) / "praat";
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error)) return candidate.string();
  }
  return {};
}

std::string shell_word(std::string_view text) {
  std::string word = "'";
  for (char c : text) {
    if (c == '\'') {
      word += "'\\''";
    } else {
      word.push_back(c);
    }
  }
  return word + "'";
}

bool run_praat(const std::string& praat, const std::string& script, const std::string& args,
               std::string& output) {
  ScratchDir dir;
  const std::string out_file = dir.file("out.txt");
  // Praat makes its preferences folder in HOME even when it leaves the files
  // alone, so it gets a home of its own.
  const std::string command = "HOME=" + shell_word(dir.path().string()) + " " + shell_word(praat) +
                              " --no-pref-files --no-plugins -8 --run " + shell_word(script) + " " +
                              args + " >" + shell_word(out_file) + " 2>&1";
  int status = std::system(command.c_str());
  output = std::filesystem::exists(out_file) ? read_bytes(out_file) : std::string();
  return status == 0;
}

}  // namespace zor::test
