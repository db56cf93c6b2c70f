#include "controls/wav_header.h"

#include <gtest/gtest.h>

#include <cstring>

#include "controls/wav_test_files.h"

namespace zor {
namespace {

using test::riff_chunk;
using test::wav_bytes;
using test::WavLayout;

int parse(const std::string& bytes, WavFormat& format) {
  auto read_at = [&bytes](std::uint64_t offset, void* out, std::size_t size) {
    if (offset > bytes.size() || size > bytes.size() - offset) return false;
    std::memcpy(out, bytes.data() + offset, size);
    return true;
  };
  return parse_wav_header(read_at, bytes.size(), format);
}

WavLayout stereo_second() {
  WavLayout w;
  w.sample_bytes = 176400;
  return w;
}

struct FrameCase {
  const char* name;
  WavLayout layout;
  std::uint32_t frames;
};

class WavFrameCount : public testing::TestWithParam<FrameCase> {};

TEST_P(WavFrameCount, ComesFromTheDataChunk) {
  WavFormat format;
  ASSERT_EQ(parse(wav_bytes(GetParam().layout), format), kWavOk);
  EXPECT_EQ(format.frame_count, GetParam().frames);
}

WavLayout with(WavLayout w, void (*change)(WavLayout&)) {
  change(w);
  return w;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, WavFrameCount,
    testing::Values(
        FrameCase{"Plain", stereo_second(), 44100},
        FrameCase{"Extensible", with(stereo_second(), [](WavLayout& w) {
                    w.format_tag = 0xFFFE;
                    w.format_extra = 24;
                  }), 44100},
        FrameCase{"FormatOf18", with(stereo_second(), [](WavLayout& w) { w.format_extra = 2; }), 44100},
        FrameCase{"ListBeforeData", with(stereo_second(), [](WavLayout& w) {
                    w.chunks_before_data = riff_chunk("LIST", 27) + riff_chunk("fact", 4);
                  }), 44100},
        FrameCase{"ListAfterData", with(stereo_second(), [](WavLayout& w) {
                    w.chunks_after_data = riff_chunk("LIST", 400);
                  }), 44100},
        FrameCase{"OpenEndedSize", with(stereo_second(), [](WavLayout& w) {
                    w.stated_data_size = 0xFFFFFFFF;
                  }), 44100},
        FrameCase{"Truncated", with(stereo_second(), [](WavLayout& w) {
                    w.stated_data_size = 176400 * 2;
                  }), 44100},
        FrameCase{"Mono8", with(WavLayout{}, [](WavLayout& w) {
                    w.channels = 1;
                    w.bits_per_sample = 8;
                    w.sample_rate = 8000;
                    w.sample_bytes = 801;
                  }), 801},
        FrameCase{"NoSamples", WavLayout{}, 0}),
    [](const testing::TestParamInfo<FrameCase>& info) { return info.param.name; });

TEST(WavHeader, ReadsFormatAndDuration) {
  WavLayout w;
  w.channels = 1;
  w.sample_rate = 22050;
  w.sample_bytes = 88200;
  WavFormat format;
  ASSERT_EQ(parse(wav_bytes(w), format), kWavOk);
  EXPECT_EQ(format.channels, 1);
  EXPECT_EQ(format.sample_rate, 22050u);
  EXPECT_EQ(format.bits_per_sample, 16);
  EXPECT_EQ(format.data_offset, 44u);
  EXPECT_EQ(format.frame_count, 44100u);
  EXPECT_DOUBLE_EQ(format.seconds, 2.0);
}

struct BadCase {
  const char* name;
  std::string bytes;
};

class WavBadFile : public testing::TestWithParam<BadCase> {};

TEST_P(WavBadFile, GivesResult3) {
  WavFormat format;
  EXPECT_EQ(parse(GetParam().bytes, format), kWavUnreadable);
}

std::string patched(std::string bytes, size_t at, std::string_view with_bytes) {
  bytes.replace(at, with_bytes.size(), with_bytes);
  return bytes;
}

WavLayout layout_with(std::uint16_t channels, std::uint16_t bits, std::uint32_t rate) {
  WavLayout w;
  w.channels = channels;
  w.bits_per_sample = bits;
  w.sample_rate = rate;
  w.sample_bytes = 64;
  return w;
}

const std::string kGood = wav_bytes(stereo_second());

INSTANTIATE_TEST_SUITE_P(
    Files, WavBadFile,
    testing::Values(
        BadCase{"Empty", ""}, BadCase{"RiffOnly", kGood.substr(0, 8)},
        BadCase{"NoWaveTag", patched(kGood, 8, "WAVX")},
        BadCase{"NoFormat", patched(kGood, 12, "fmtx")},
        BadCase{"HeaderCut", kGood.substr(0, 30)}, BadCase{"NoDataChunk", kGood.substr(0, 36)},
        BadCase{"ThreeChannels", wav_bytes(layout_with(3, 16, 44100))},
        BadCase{"FourBits", wav_bytes(layout_with(2, 4, 44100))},
        BadCase{"ZeroRate", wav_bytes(layout_with(1, 16, 0))},
        BadCase{"WrongByteRate", patched(kGood, 28, std::string("\x10\x00\x00\x00", 4))},
        BadCase{"WrongBlockAlign", patched(kGood, 32, std::string("\x02\x00", 2))},
        BadCase{"ShortFormat", patched(kGood, 16, std::string("\x0E\x00\x00\x00", 4))},
        BadCase{"DataBeforeFormat", patched(kGood, 12, std::string("data\x00\x00\x00\x00", 8))},
        BadCase{"HugeChunkSkipsPastEnd",
                patched(kGood, 36, std::string("JUNK\xF0\xFF\xFF\xFF", 8))}),
    [](const testing::TestParamInfo<BadCase>& info) { return info.param.name; });

}  // namespace
}  // namespace zor
