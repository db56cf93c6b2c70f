#include "controls/play_wav.h"

#include <algorithm>
#include <climits>

#include <QAudioDevice>
#include <QAudioOutput>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>

#include "platform/encoding.h"

namespace {

// A player that never reports the end must not block the page forever:
// loading gets this long, playing the duration plus the margin.
constexpr int kLoadTimeoutMs = 10000;
constexpr int kEndMarginMs = 5000;

}  // namespace

int PlayWav(const std::string& path) {
  QString file = QString::fromStdString(zor::from_cp1250(path));
  if (!QFile(file).open(QIODevice::ReadOnly)) return kPlayWavCannotOpen;
  if (QMediaDevices::audioOutputs().isEmpty()) return kPlayWavNoDevice;

  QMediaPlayer player;
  QAudioOutput output;
  player.setAudioOutput(&output);
  QEventLoop loop;
  QTimer watchdog;
  watchdog.setSingleShot(true);
  int result = kPlayWavOk;
  bool playing = false;
  bool finished = false;
  auto finish = [&](int code) {
    if (finished) return;
    finished = true;
    result = code;
    loop.quit();
  };
  QObject::connect(&player, &QMediaPlayer::errorOccurred, &loop, [&](QMediaPlayer::Error) {
    finish(playing ? kPlayWavPlayFailed : kPlayWavCannotOpen);
  });
  QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &loop,
                   [&](QMediaPlayer::MediaStatus status) {
                     if (status == QMediaPlayer::BufferedMedia) playing = true;
                     if (status == QMediaPlayer::EndOfMedia) finish(kPlayWavOk);
                     if (status == QMediaPlayer::InvalidMedia) finish(kPlayWavCannotOpen);
                   });
  QObject::connect(&player, &QMediaPlayer::durationChanged, &loop, [&](qint64 ms) {
    if (ms > 0) watchdog.start(static_cast<int>(std::min<qint64>(ms + kEndMarginMs, INT_MAX)));
  });
  QObject::connect(&watchdog, &QTimer::timeout, &loop, [&] { finish(kPlayWavTimedOut); });

  watchdog.start(kLoadTimeoutMs);
  player.setSource(QUrl::fromLocalFile(file));
  player.play();
  // The player may already have given up before the loop starts.
  if (!finished) loop.exec(QEventLoop::ExcludeUserInputEvents);
  player.stop();
  return result;
}
