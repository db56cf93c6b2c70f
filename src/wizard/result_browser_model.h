#pragma once
// What the result browser shows and plays, without widgets: the statistics
// of the ticked specifications, the 10 ms histogram and the hits of the
// selected one, the interval filter, the sorting, the selected hit and the
// piece of its recording that plays.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/play_clip.h"
#include "conversion/annotation_options.h"
#include "corpus/output_names.h"
#include "export/export_tables.h"
#include "export/hit_places.h"
#include "query/duration_statistics.h"
#include "query/report.h"

namespace zor::gui {

struct BrowserSpec {
  std::string name, type;  // Windows-1250
  DurationStatistics statistics;
  std::vector<int> distribution_rows;
};

struct BrowserHit {
  double duration = 0;        // ms
  std::int64_t interval = 0;  // upper bound of its 10 ms interval
  std::string sound_number, word_number, sentence_number;
  // As the tables write them (Windows-1250); neighbours joined by blanks.
  std::string sentence, word, sound, before, after, position;
  std::optional<HitRows> rows;
};

enum class HitColumn { duration, sentence, word, sound, before, after, position };
inline constexpr int kHitColumnCount = 7;

// A piece of a recording in the WAV's own frames.
struct PlayRange {
  std::string wav_path;  // Windows-1250
  std::uint32_t first = 0, end = 0;
};

class ResultBrowserModel {
 public:
  // Loads the five tables and keeps the ticked result rows; "" or why not
  // (Windows-1250).
  std::string load(const OutputNames& names, const std::vector<ReportEntry>& entries,
                   AnnotationOptions annotation = {});

  const std::vector<BrowserSpec>& specs() const { return specs_; }
  void select_spec(size_t index);
  std::optional<size_t> selected_spec() const { return spec_; }

  struct Bin {
    std::int64_t upper = 0;  // the interval is (upper - 10, upper]
    size_t count = 0;
  };
  // From the first interval with a hit to the last, empty ones included.
  std::vector<Bin> histogram() const;
  void filter_interval(std::optional<std::int64_t> upper);
  std::optional<std::int64_t> interval_filter() const { return filter_; }

  // The hits the list shows, filtered and sorted: rows of the list.
  size_t visible_count() const { return visible_.size(); }
  const BrowserHit& visible_hit(size_t row) const { return hits_[visible_[row]]; }
  static std::string column_text(const BrowserHit& hit, HitColumn column);
  void sort_by(HitColumn column, bool ascending);

  void select_hit(std::optional<size_t> row);
  std::optional<size_t> selected_hit() const { return selected_; }

  // Context on each side of a hit that plays: 0, 100 or 250 ms.
  void set_context_ms(int ms) { context_ms_ = ms; }
  int context_ms() const { return context_ms_; }

  // The selected hit with its context, within its recording; nothing, with
  // the reason (Windows-1250), when there is no selected hit, no place or
  // no readable WAV.
  std::optional<PlayRange> hit_range(std::string& problem);
  // The selected hit's whole recording.
  std::optional<PlayRange> sentence_range(std::string& problem);
  // The WAV's frames of a range, as the file holds them.
  static std::optional<PcmClip> clip_of(const PlayRange& range, std::string& problem);

  // The visible hits as tab-separated text (UTF-8), with a header line.
  std::string tab_separated() const;
  // The selected hit's recording as a TextGrid text (UTF-8).
  std::optional<std::string> selected_textgrid(std::string& problem) const;
  // The WAV path of the selected hit (Windows-1250); "" without one.
  std::string selected_wav() const;

 private:
  void apply_filter();

  ExportTables tables_;
  AnnotationOptions annotation_;
  std::unique_ptr<HitPlaces> places_;
  std::vector<BrowserSpec> specs_;
  std::optional<size_t> spec_;
  std::vector<BrowserHit> hits_;
  std::vector<size_t> visible_;
  std::optional<std::int64_t> filter_;
  std::optional<HitColumn> sort_column_;
  bool ascending_ = true;
  std::optional<size_t> selected_;
  int context_ms_ = 100;
};

}  // namespace zor::gui
