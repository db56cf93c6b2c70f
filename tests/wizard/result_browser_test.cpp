// The result browser on a small corpus whose WAV samples count up, so that
// what plays shows where it was cut from: statistics, histogram, filter,
// sorting, the samples handed to the audio output, and what a missing WAV
// or a missing Praat gives.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <filesystem>

#include "controls/play_clip.h"
#include "conversion/conversion_run.h"
#include "corpus/label_tree.h"
#include "gen/recording_files.h"
#include "platform/encoding.h"
#include "platform/paths.h"
#include "query/query_run.h"
#include "support/fake_host.h"
#include "support/generated_words.h"
#include "support/test_files.h"
#include "wizard/fake_user_dialogs.h"
#include "wizard/result_browser.h"
#include "wizard/result_browser_model.h"
#include "wizard/result_view_dialog.h"
#include "wizard/report_viewer.h"

namespace zor {
namespace {

using gui::HitColumn;
using gui::ResultBrowserModel;

constexpr std::uint32_t kFramesA = 11000;  // the closing pause ends at 10705

using test::word;

class ResultBrowserTest : public testing::Test {
 protected:
  ResultBrowserTest() {
    // A: _ | k a t | o | closing pause; the vowels a (3205..5205) and o (6705..9705).
    // B: _ | e | closing pause; the vowel e (500..3000).
    write_recording("a", {word({{"_", 2205}}), word({{"k", 1000}, {"a", 2000}, {"t", 1500}}),
                          word({{"o", 3000}}), word({{"_", 1000}}, false)},
                    kFramesA);
    write_recording("b", {word({{"_", 500}}), word({{"e", 2500}}), word({{"_", 800}}, false)}, 4000);
    names_ = build_output_names(out_.file("") + std::string(), kDefaultBaseName);
    LabelTree tree;
    tree.build_default_tree();
    ConversionInput input;
    for (const char* name : {"a", "b"}) {
      std::string wav = recordings_.file(std::string(name) + ".wav");
      input.recordings.push_back({file_name_part(wav), directory_part(wav)});
    }
    input.sentences_path = names_.sentences;
    input.words_path = names_.words;
    input.sounds_path = names_.sounds;
    test::FakeHost host;
    EXPECT_EQ(run_conversion(input, tree, host), RunOutcome::completed);
    Specification vowels;
    const char* fields[kSpecFieldCount] = {"V", "H", "<V>", "<BARMI>;<BARMI>;<BARMI>", "<BARMI>;<BARMI>;<BARMI>",
                                           "BARMI", "> 0", "", "", "BARMENNYI", "BARMENNYI", "BARMENNYI"};
    for (int f = 0; f < kSpecFieldCount; ++f) vowels.fields[static_cast<size_t>(f)] = fields[f];
    EXPECT_EQ(run_query({vowels}, names_, host), RunOutcome::completed);
    EXPECT_EQ(model_.load(names_, report_entries(names_.result)), "");
  }

  void write_recording(const std::string& name, std::vector<gen::Word> words, std::uint32_t frames) {
    gen::Sentence sentence;
    sentence.words = std::move(words);
    gen::RecordingFiles files = gen::recording_files(sentence, false);
    test::write_bytes(recordings_.path() / (name + ".imf"), files.label_file_text());
    test::write_bytes(recordings_.path() / (name + ".pit"), files.pitch_file_bytes());
    std::vector<std::int16_t> samples(frames);
    for (std::uint32_t i = 0; i < frames; ++i) samples[i] = static_cast<std::int16_t>(i % 30000);
    test::write_bytes(recordings_.path() / (name + ".wav"), gen::wav_file_bytes(samples));
  }

  // The WAV's own bytes of frames [first, end) of recording "a".
  std::string frames_of_a(std::uint32_t first, std::uint32_t end) const {
    return test::read_bytes(recordings_.path() / "a.wav").substr(44 + 2 * first, 2 * (end - first));
  }

  test::ScratchDir recordings_, out_;
  OutputNames names_;
  ResultBrowserModel model_;
};

std::vector<std::string> column(const ResultBrowserModel& model, HitColumn which) {
  std::vector<std::string> texts;
  for (size_t row = 0; row < model.visible_count(); ++row)
    texts.push_back(ResultBrowserModel::column_text(model.visible_hit(row), which));
  return texts;
}

TEST_F(ResultBrowserTest, StatisticsHistogramFilterAndSorting) {
  ASSERT_EQ(model_.specs().size(), 1u);
  const DurationStatistics& s = model_.specs()[0].statistics;
  EXPECT_EQ(s.n, 3u);  // a 91 ms, o 136 ms, e 113 ms
  EXPECT_DOUBLE_EQ(s.mean, (91.0 + 136 + 113) / 3);
  EXPECT_DOUBLE_EQ(s.median, 113);
  model_.select_spec(0);
  std::vector<std::pair<std::int64_t, size_t>> bins;
  for (const auto& bin : model_.histogram()) bins.emplace_back(bin.upper, bin.count);
  EXPECT_EQ(bins, (std::vector<std::pair<std::int64_t, size_t>>{{100, 1}, {110, 0}, {120, 1}, {130, 0}, {140, 1}}));

  EXPECT_EQ(column(model_, HitColumn::sound), (std::vector<std::string>{"a", "o", "e"}));
  model_.sort_by(HitColumn::duration, false);
  EXPECT_EQ(column(model_, HitColumn::duration), (std::vector<std::string>{"136", "113", "91"}));
  model_.select_hit(2);  // a
  model_.sort_by(HitColumn::sound, true);
  EXPECT_EQ(column(model_, HitColumn::sound), (std::vector<std::string>{"a", "e", "o"}));
  EXPECT_EQ(model_.selected_hit(), 0u) << "the selection follows its hit";
  EXPECT_EQ(column(model_, HitColumn::before), (std::vector<std::string>{"_ k", "_", "k a t"}));

  model_.filter_interval(120);
  EXPECT_EQ(column(model_, HitColumn::sound), std::vector<std::string>{"e"});
  EXPECT_FALSE(model_.selected_hit());
  model_.filter_interval(std::nullopt);
  EXPECT_EQ(model_.visible_count(), 3u);
  EXPECT_EQ(model_.tab_separated().substr(0, 11), "Hossz (ms)\t");
}

TEST_F(ResultBrowserTest, WhatPlaysIsTheWavsSamplesOfTheHitAndItsContext) {
  model_.select_spec(0);
  struct Case {
    size_t row;
    int context_ms;
    std::uint32_t first, end;
  };
  // 100 ms is 2205 frames; 250 ms reaches past the recording's start for a
  // and past its end for o.
  for (const Case& c : {Case{0, 0, 3205, 5205}, Case{0, 100, 1000, 7410}, Case{0, 250, 0, 10718},
                        Case{1, 250, 1192, kFramesA}}) {
    SCOPED_TRACE(testing::Message() << "row " << c.row << ", " << c.context_ms << " ms");
    model_.select_hit(c.row);
    model_.set_context_ms(c.context_ms);
    std::string problem;
    std::optional<gui::PlayRange> range = model_.hit_range(problem);
    ASSERT_TRUE(range) << from_cp1250(problem);
    EXPECT_EQ(range->first, c.first);
    EXPECT_EQ(range->end, c.end);
  }

  // Through the window: Space hands the WAV's own frames to the audio output.
  test::FakeUserDialogs dialogs;
  CResultBrowser browser(model_);
  browser.show();
  browser.activateWindow();
  browser.hits()->setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&browser));
  browser.select_hit_row(0);
  browser.model().set_context_ms(0);
  EXPECT_EQ(browser.hits()->model()->index(0, 3).data().toString(), QStringLiteral("a")) << "found order";
  QTest::keyClick(browser.hits(), Qt::Key_Space);
  ASSERT_EQ(dialogs.played_clips.size(), 1u);
  EXPECT_EQ(dialogs.played_clips[0].bytes, frames_of_a(3205, 5205));
  EXPECT_EQ(dialogs.played_clips[0].format.sample_rate, 22050u);
  browser.play_sentence();
  ASSERT_EQ(dialogs.played_clips.size(), 2u);
  EXPECT_EQ(dialogs.played_clips[1].bytes, frames_of_a(0, kFramesA));
}

TEST_F(ResultBrowserTest, AMissingWavGivesAMessageAndPlaysNothing) {
  std::filesystem::remove(recordings_.path() / "a.wav");
  test::FakeUserDialogs dialogs;
  CResultBrowser browser(model_);
  browser.select_hit_row(0);
  browser.play_hit();
  browser.play_sentence();
  EXPECT_TRUE(dialogs.played_clips.empty());
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("a.wav"))) << dialogs.messages[0].text.toStdString();
}

TEST_F(ResultBrowserTest, AClickOnTheHistogramFiltersAndASecondOneShowsEveryHit) {
  test::FakeUserDialogs dialogs;
  CResultBrowser browser(model_);
  browser.click_histogram(112.5);
  EXPECT_EQ(browser.hits()->model()->rowCount(), 1);
  EXPECT_EQ(browser.hits()->model()->index(0, 3).data().toString(), QStringLiteral("e"));
  browser.click_histogram(115);
  EXPECT_EQ(browser.hits()->model()->rowCount(), 3);
}

TEST_F(ResultBrowserTest, PraatOpensTheWavWithItsTextGridOrTheUserLearnsItIsMissing) {
  test::FakeUserDialogs dialogs;
  CResultBrowser browser(model_);
  browser.select_hit_row(0);
  browser.open_in_praat();
  if (QStandardPaths::findExecutable(QStringLiteral("praat")).isEmpty()) {
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("Praat")));
    return;
  }
  ASSERT_EQ(dialogs.started.size(), 1u);
  const QStringList& command = dialogs.started[0];
  ASSERT_EQ(command.size(), 4);
  EXPECT_EQ(command[1], QStringLiteral("--open"));
  EXPECT_EQ(command[2].toStdString(), recordings_.file("a.wav"));
  const std::string grid = test::read_bytes(command[3].toStdString());
  EXPECT_NE(grid.find("\"phones\""), std::string::npos);
  EXPECT_NE(grid.find("\"k\""), std::string::npos);
}

TEST_F(ResultBrowserTest, TheResultViewerOpensTheBrowserAndShowsTheReportInside) {
  test::FakeUserDialogs dialogs;
  std::vector<QString> shown;
  dialogs.on_dialog = [&](QDialog& dialog) {
    if (auto* browser = qobject_cast<CResultBrowser*>(&dialog))
      shown.push_back(QString::number(browser->model().specs().size()));
    if (auto* report = qobject_cast<CReportViewer*>(&dialog)) shown.push_back(report->text()->toPlainText());
    return false;
  };
  CResultViewDialog viewer(QString::fromStdString(out_.file("")), QStringLiteral("output.txt"));
  QTest::mouseClick(viewer.browse_button(), Qt::LeftButton);
  QTest::mouseClick(viewer.read_here_button(), Qt::LeftButton);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0], QStringLiteral("1"));
  EXPECT_TRUE(shown[1].startsWith(QStringLiteral("SPEC.NEV: V"))) << shown[1].toStdString();
  EXPECT_TRUE(dialogs.opened.empty()) << "read inside, not handed to the desktop";
}

}  // namespace
}  // namespace zor
