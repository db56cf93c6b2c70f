#include "controls/play_clip.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>

#include "controls/play_wav.h"

namespace {

constexpr int kEndMarginMs = 3000;

QAudioFormat::SampleFormat sample_format(const zor::WavFormat& format) {
  if (format.format_tag == 3 && format.bits_per_sample == 32) return QAudioFormat::Float;
  if (format.format_tag != 1) return QAudioFormat::Unknown;
  switch (format.bits_per_sample) {
    case 8: return QAudioFormat::UInt8;
    case 16: return QAudioFormat::Int16;
    case 32: return QAudioFormat::Int32;
    default: return QAudioFormat::Unknown;
  }
}

}  // namespace

int PlayClip(const PcmClip& clip) {
  if (QMediaDevices::audioOutputs().isEmpty()) return kPlayWavNoDevice;
  QAudioFormat format;
  format.setSampleRate(static_cast<int>(clip.format.sample_rate));
  format.setChannelCount(clip.format.channels);
  format.setSampleFormat(sample_format(clip.format));
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (format.sampleFormat() == QAudioFormat::Unknown || !device.isFormatSupported(format))
    return kPlayWavCannotOpen;

  QByteArray bytes = QByteArray::fromStdString(clip.bytes);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QAudioSink sink(device, format);
  QEventLoop loop;
  int result = kPlayWavOk;
  QObject::connect(&sink, &QAudioSink::stateChanged, &loop, [&](QAudio::State state) {
    if (state == QAudio::IdleState) loop.quit();
    if (state == QAudio::StoppedState) {
      if (sink.error() != QAudio::NoError) result = kPlayWavPlayFailed;
      loop.quit();
    }
  });
  // An output that never reports the end must not hold the window.
  const double seconds = clip.format.byte_rate ? double(bytes.size()) / clip.format.byte_rate : 0;
  QTimer::singleShot(static_cast<int>(seconds * 1000) + kEndMarginMs, &loop, [&] {
    result = kPlayWavTimedOut;
    loop.quit();
  });
  sink.start(&buffer);
  if (sink.error() != QAudio::NoError) return kPlayWavPlayFailed;
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  sink.stop();
  return result;
}
