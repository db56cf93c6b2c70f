#include "wizard/result_browser_model.h"

#include <algorithm>
#include <cmath>

#include "annotation/textgrid_writer.h"
#include "controls/wav_reader.h"
#include "conversion/set_segmentation.h"
#include "corpus/table_layout.h"
#include "export/stats_export.h"
#include "platform/encoding.h"
#include "query/query_hit.h"
#include "query/result_runs.h"

namespace zor::gui {
namespace {

std::string_view text_of(FieldText field) { return field.value_or(std::string_view{}); }

// The neighbours of a sound, those before or those after, joined by blanks.
std::string neighbours(const TextTable& sounds, int row, int from, int to) {
  std::string joined;
  for (int k = from; k < to; ++k) {
    std::string_view symbol = text_of(sounds.cell(row, sound_column::kNeighbourSymbol[k]));
    if (symbol.empty()) continue;
    if (!joined.empty()) joined.push_back(' ');
    joined.append(symbol);
  }
  return joined;
}

}  // namespace

std::string ResultBrowserModel::load(const OutputNames& names, const std::vector<ReportEntry>& entries,
                                     AnnotationOptions annotation) {
  specs_.clear();
  hits_.clear();
  visible_.clear();
  spec_.reset();
  selected_.reset();
  places_.reset();
  std::string problem = tables_.load_results(names);
  if (problem.empty()) problem = tables_.load_corpus(names);
  if (!problem.empty()) return problem;
  annotation_ = std::move(annotation);
  places_ = std::make_unique<HitPlaces>(tables_.sentences, tables_.words, tables_.sounds, annotation_);
  const std::vector<ResultRun> runs = result_runs(tables_.result, tables_.distribution);
  // The entries are the result rows in file order, as the viewer lists them.
  for (size_t i = 0; i < runs.size() && i < entries.size(); ++i) {
    if (!entries[i].ticked) continue;
    const int row = runs[i].result_row;
    specs_.push_back({std::string(text_of(tables_.result.cell(row, result_column::kName))),
                      std::string(text_of(tables_.result.cell(row, result_column::kType))),
                      duration_statistics(hit_durations(tables_.distribution, runs[i].distribution_rows)),
                      runs[i].distribution_rows});
  }
  return {};
}

void ResultBrowserModel::select_spec(size_t index) {
  hits_.clear();
  selected_.reset();
  filter_.reset();
  spec_.reset();
  if (index >= specs_.size()) {
    apply_filter();
    return;
  }
  spec_ = index;
  const TextTable& sounds = tables_.sounds;
  for (int row : specs_[index].distribution_rows) {
    const Occurrence occurrence =
        split_occurrence(text_of(tables_.distribution.cell(row, distribution_column::kOccurrence)));
    BrowserHit hit;
    hit.duration = read_number(occurrence.value);
    hit.interval = static_cast<std::int64_t>(
        read_number(text_of(tables_.distribution.cell(row, distribution_column::kInterval))));
    hit.sound_number = occurrence.sound;
    hit.word_number = occurrence.word;
    hit.sentence_number = occurrence.sentence;
    hit.rows = places_->rows({static_cast<std::int64_t>(hit.duration), hit.sound_number, hit.word_number,
                              hit.sentence_number});
    if (hit.rows) {
      const HitRows& rows = *hit.rows;
      hit.sentence = text_of(tables_.sentences.cell(rows.sentence_row, sentence_column::kText));
      if (hit.sentence.empty())
        hit.sentence = text_of(tables_.sentences.cell(rows.sentence_row, sentence_column::kSounds));
      if (rows.word_row) hit.word = text_of(tables_.words.cell(rows.word_row, word_column::kSounds));
      const int last = rows.first_sound_row + rows.sound_count - 1;
      if (!hit.sound_number.empty()) {
        for (int k = 0; k < rows.sound_count; ++k)
          hit.sound.append(text_of(sounds.cell(rows.first_sound_row + k, sound_column::kSymbol)));
        hit.position = text_of(sounds.cell(rows.first_sound_row, sound_column::kPosition));
      } else if (rows.word_row) {
        hit.position = text_of(tables_.words.cell(rows.word_row, word_column::kPosition));
      }
      hit.before = neighbours(sounds, rows.first_sound_row, 0, 3);
      hit.after = neighbours(sounds, last, 3, 6);
    }
    hits_.push_back(std::move(hit));
  }
  apply_filter();
}

std::vector<ResultBrowserModel::Bin> ResultBrowserModel::histogram() const {
  std::vector<Bin> bins;
  if (hits_.empty()) return bins;
  std::int64_t lowest = hits_.front().interval, highest = lowest;
  for (const BrowserHit& hit : hits_) {
    lowest = std::min(lowest, hit.interval);
    highest = std::max(highest, hit.interval);
  }
  // Upper bounds are multiples of 10; a hand-edited table may hold others.
  constexpr std::int64_t kMostBins = 10000;
  if ((highest - lowest) / 10 >= kMostBins) highest = lowest + 10 * (kMostBins - 1);
  for (std::int64_t upper = lowest; upper <= highest; upper += 10) bins.push_back({upper, 0});
  for (const BrowserHit& hit : hits_) {
    const std::int64_t at = (hit.interval - lowest) / 10;
    if (at >= 0 && static_cast<size_t>(at) < bins.size() && bins[static_cast<size_t>(at)].upper == hit.interval)
      ++bins[static_cast<size_t>(at)].count;
  }
  return bins;
}

void ResultBrowserModel::filter_interval(std::optional<std::int64_t> upper) {
  filter_ = upper;
  selected_.reset();
  apply_filter();
}

void ResultBrowserModel::apply_filter() {
  visible_.clear();
  for (size_t i = 0; i < hits_.size(); ++i)
    if (!filter_ || hits_[i].interval == *filter_) visible_.push_back(i);
  if (sort_column_) sort_by(*sort_column_, ascending_);
}

std::string ResultBrowserModel::column_text(const BrowserHit& hit, HitColumn column) {
  switch (column) {
    case HitColumn::duration: {
      char text[32];
      std::snprintf(text, sizeof text, "%g", hit.duration);
      return text;
    }
    case HitColumn::sentence: return hit.sentence;
    case HitColumn::word: return hit.word;
    case HitColumn::sound: return hit.sound;
    case HitColumn::before: return hit.before;
    case HitColumn::after: return hit.after;
    case HitColumn::position: return hit.position;
  }
  return {};
}

void ResultBrowserModel::sort_by(HitColumn column, bool ascending) {
  std::optional<size_t> selected_hit;
  if (selected_) selected_hit = visible_[*selected_];
  sort_column_ = column;
  ascending_ = ascending;
  auto before = [&](size_t a, size_t b) {
    const BrowserHit& x = hits_[a];
    const BrowserHit& y = hits_[b];
    if (column == HitColumn::duration) return x.duration < y.duration;
    return column_text(x, column) < column_text(y, column);
  };
  // Stable, so that equal rows keep the order the query found them in.
  std::stable_sort(visible_.begin(), visible_.end(),
                   [&](size_t a, size_t b) { return ascending ? before(a, b) : before(b, a); });
  if (selected_hit)
    selected_ = static_cast<size_t>(std::find(visible_.begin(), visible_.end(), *selected_hit) - visible_.begin());
}

void ResultBrowserModel::select_hit(std::optional<size_t> row) {
  selected_ = row && *row < visible_.size() ? row : std::nullopt;
}

std::optional<PlayRange> ResultBrowserModel::sentence_range(std::string& problem) {
  if (!selected_) {
    problem = to_cp1250("Nincs kiválasztott találat.");
    return std::nullopt;
  }
  const BrowserHit& hit = visible_hit(*selected_);
  if (!hit.rows) {
    problem = to_cp1250("A találat nincs meg a korpusz táblákban.");
    return std::nullopt;
  }
  const std::string wav(text_of(tables_.sentences.cell(hit.rows->sentence_row, sentence_column::kPath)));
  WavReader reader;
  if (reader.Open(wav) != kWavOk) {
    problem = to_cp1250("A hangfájl nem olvasható: ") + wav;
    return std::nullopt;
  }
  return PlayRange{wav, 0, reader.FrameCount()};
}

std::optional<PlayRange> ResultBrowserModel::hit_range(std::string& problem) {
  std::optional<PlayRange> whole = sentence_range(problem);
  if (!whole) return std::nullopt;
  const BrowserHit& hit = visible_hit(*selected_);
  std::optional<HitPlace> place = places_->place(*hit.rows);
  if (!place) {
    problem = to_cp1250("A felvétel címkézése nem olvasható, vagy megváltozott a konvertálás óta: ") +
              whole->wav_path;
    return std::nullopt;
  }
  WavReader reader;
  reader.Open(whole->wav_path);
  // The annotation counts 22050 samples a second; the WAV may have its own rate.
  const double frames_per_sample = static_cast<double>(reader.SampleRate()) / kSamplesPerSecond;
  const double context = context_ms_ * static_cast<double>(reader.SampleRate()) / 1000.0;
  const double first = std::max(0.0, std::floor(place->start * frames_per_sample - context));
  const double end = std::min(static_cast<double>(whole->end), std::ceil(place->end * frames_per_sample + context));
  if (first >= end) {
    problem = to_cp1250("A találat a hangfájl végén túl van: ") + whole->wav_path;
    return std::nullopt;
  }
  return PlayRange{whole->wav_path, static_cast<std::uint32_t>(first), static_cast<std::uint32_t>(end)};
}

std::optional<PcmClip> ResultBrowserModel::clip_of(const PlayRange& range, std::string& problem) {
  WavReader reader;
  PcmClip clip;
  if (reader.Open(range.wav_path) != kWavOk ||
      !reader.ReadFrames(range.first, range.end - range.first, clip.bytes)) {
    problem = to_cp1250("A hangfájl nem olvasható: ") + range.wav_path;
    return std::nullopt;
  }
  clip.format = reader.Format();
  return clip;
}

std::string ResultBrowserModel::tab_separated() const {
  std::string text = to_cp1250("Hossz (ms)\tMondat\tSzó\tHang\tElőtte\tUtána\tPozíció\n");
  for (size_t row = 0; row < visible_.size(); ++row) {
    for (int column = 0; column < kHitColumnCount; ++column) {
      if (column) text.push_back('\t');
      std::string cell = column_text(visible_hit(row), static_cast<HitColumn>(column));
      std::replace(cell.begin(), cell.end(), '\t', ' ');
      std::replace(cell.begin(), cell.end(), '\n', ' ');
      text.append(cell);
    }
    text.push_back('\n');
  }
  return from_cp1250(text);
}

std::string ResultBrowserModel::selected_wav() const {
  if (!selected_) return {};
  const BrowserHit& hit = visible_hit(*selected_);
  if (!hit.rows) return {};
  return std::string(text_of(tables_.sentences.cell(hit.rows->sentence_row, sentence_column::kPath)));
}

std::optional<std::string> ResultBrowserModel::selected_textgrid(std::string& problem) const {
  const std::string wav = selected_wav();
  if (wav.empty()) {
    problem = to_cp1250("Nincs kiválasztott találat.");
    return std::nullopt;
  }
  FileSetReader reader;
  reader.set_annotation(annotation_);
  Segmentation segmentation;
  if (!read_set_segmentation(reader, wav, segmentation, problem)) {
    problem = wav + ": " + problem;
    return std::nullopt;
  }
  return textgrid_text(segmentation);
}

}  // namespace zor::gui
