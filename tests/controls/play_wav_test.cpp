#include "controls/play_wav.h"

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QMediaDevices>
#include <QTemporaryDir>

#include "controls/wav_test_files.h"
#include "platform/encoding.h"

namespace {

TEST(PlayWav, MissingFileFailsAtOnce) {
  QTemporaryDir dir;
  EXPECT_EQ(PlayWav(zor::from_native_file_name(dir.filePath("none.wav").toStdString())),
            kPlayWavCannotOpen);
}

TEST(PlayWav, ReturnsWithoutPlayingWhenThereIsNoAudioOutput) {
  if (!QMediaDevices::audioOutputs().isEmpty()) GTEST_SKIP() << "this machine has an audio output";
  QTemporaryDir dir;
  std::string utf8 = dir.filePath("a.wav").toStdString();
  zor::test::WavLayout w;
  w.sample_bytes = 176400;
  zor::test::write_file(utf8, zor::test::wav_bytes(w));
  EXPECT_EQ(PlayWav(zor::from_native_file_name(utf8)), kPlayWavNoDevice);
}

}  // namespace
