#include "controls/wav_reader.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "controls/wav_test_files.h"
#include "platform/encoding.h"

namespace {

class WavReaderTest : public testing::Test {
 protected:
  std::string make(const char* name, const std::string& bytes) {
    std::string utf8 = dir.filePath(QString::fromUtf8(name)).toStdString();
    zor::test::write_file(utf8, bytes);
    return zor::from_native_file_name(utf8);
  }
  QTemporaryDir dir;
};

TEST_F(WavReaderTest, OpensAStereoSecond) {
  zor::test::WavLayout w;
  w.sample_bytes = 176400;
  WavReader reader;
  ASSERT_EQ(reader.Open(make("hang\xC3\xA1.wav", zor::test::wav_bytes(w))), 0);
  EXPECT_TRUE(reader.is_open());
  EXPECT_EQ(reader.FrameCount(), 44100u);
  EXPECT_EQ(reader.Channels(), 2);
  EXPECT_EQ(reader.SampleRate(), 44100u);
  EXPECT_EQ(reader.BitsPerSample(), 16);
  EXPECT_DOUBLE_EQ(reader.Seconds(), 1.0);
  EXPECT_EQ(reader.Close(), 0);
  EXPECT_FALSE(reader.is_open());
}

TEST_F(WavReaderTest, FailuresLeaveItClosed) {
  WavReader reader;
  EXPECT_EQ(reader.Open(""), zor::kWavNoName);
  EXPECT_EQ(reader.Open(make("empty.wav", "")), zor::kWavUnreadable);
  EXPECT_FALSE(reader.is_open());
  EXPECT_EQ(reader.Open(zor::from_native_file_name(dir.filePath("missing.wav").toStdString())),
            zor::kWavUnreadable);
  EXPECT_FALSE(reader.is_open());
  EXPECT_EQ(reader.FrameCount(), 0u);
}

TEST_F(WavReaderTest, ReopeningReadsTheNewFile) {
  zor::test::WavLayout w;
  w.channels = 1;
  w.sample_bytes = 10;
  WavReader reader;
  ASSERT_EQ(reader.Open(make("a.wav", zor::test::wav_bytes(w))), 0);
  w.sample_bytes = 20;
  ASSERT_EQ(reader.Open(make("b.wav", zor::test::wav_bytes(w))), 0);
  EXPECT_EQ(reader.FrameCount(), 10u);
}

}  // namespace
