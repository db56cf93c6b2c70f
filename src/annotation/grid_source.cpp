#include "annotation/grid_source.h"

#include <algorithm>
#include <cmath>

#include "annotation/reason_text.h"

namespace zor {
namespace {

// Room set aside at once for items a count announces, so that a count that
// the data may yet prove false costs little.
constexpr size_t kReserveAtMost = 4096;

class BodyReader {
 public:
  BodyReader(GridSource& source, std::string& reason) : source_(source), reason_(reason) {}

  bool grid(TextGrid& grid);

 private:
  bool tier(TextGridTier& tier);
  bool intervals(TextGridTier& tier);
  bool points();
  bool count(std::string_view what, size_t smallest_item, size_t& count);
  bool time(double& value, std::string_view what);
  bool from_source(bool ok) {
    if (!ok) reason_ = source_.problem();
    return ok;
  }
  bool fail(std::string why) {
    reason_ = std::move(why) + " (" + source_.place() + ")";
    return false;
  }

  GridSource& source_;
  std::string& reason_;
};

bool BodyReader::time(double& value, std::string_view what) {
  if (!from_source(source_.real(value))) return false;
  if (!std::isfinite(value)) return fail("érvénytelen idő: " + std::string(what));
  if (value < 0) return fail("negatív idő: " + std::string(what) + " = " + seconds_text(value));
  return true;
}

bool BodyReader::count(std::string_view what, size_t smallest_item, size_t& count) {
  std::int64_t value = 0;
  if (!from_source(source_.integer(value))) return false;
  if (value < 0) return fail("negatív darabszám: " + std::string(what));
  // The items announced must fit in what is left of the file.
  size_t room = source_.bytes_left() / smallest_item + 1;
  if (static_cast<std::uint64_t>(value) > room) {
    return fail("a darabszám (" + std::to_string(value) + ") több, mint amennyi " +
                std::string(what) + " a fájl hátralevő részében elfér");
  }
  count = static_cast<size_t>(value);
  return true;
}

bool BodyReader::grid(TextGrid& grid) {
  if (!time(grid.xmin, "xmin") || !time(grid.xmax, "xmax")) return false;
  if (grid.xmax < grid.xmin) return fail("a TextGrid vége (xmax) a kezdete előtt van");
  bool has_tiers = false;
  if (!from_source(source_.existence(has_tiers))) return false;
  if (!has_tiers) return true;
  size_t tiers = 0;
  if (!count("réteg", source_.smallest_tier(), tiers)) return false;
  grid.tiers.reserve(std::min(tiers, kReserveAtMost));
  for (size_t i = 0; i < tiers; ++i) {
    grid.tiers.emplace_back();
    if (!tier(grid.tiers.back())) return false;
  }
  return true;
}

bool BodyReader::tier(TextGridTier& tier) {
  std::string kind;
  if (!from_source(source_.class_name(kind))) return false;
  if (kind == "IntervalTier") {
    tier.is_interval_tier = true;
  } else if (kind == "TextTier") {
    tier.is_interval_tier = false;
  } else {
    return fail("ismeretlen rétegfajta: " + quote_text(kind));
  }
  if (!from_source(source_.text(tier.name))) return false;
  double xmin = 0, xmax = 0;
  if (!time(xmin, "xmin") || !time(xmax, "xmax")) return false;
  if (xmax < xmin) return fail("a(z) " + quote_text(tier.name) + " réteg vége a kezdete előtt van");
  return tier.is_interval_tier ? intervals(tier) : points();
}

bool BodyReader::intervals(TextGridTier& tier) {
  size_t n = 0;
  if (!count("intervallum", source_.smallest_interval(), n)) return false;
  tier.intervals.reserve(std::min(n, kReserveAtMost));
  for (size_t i = 0; i < n; ++i) {
    TextGridInterval interval;
    if (!time(interval.xmin, "xmin") || !time(interval.xmax, "xmax")) return false;
    if (!from_source(source_.text(interval.text))) return false;
    const std::string where =
        "a(z) " + quote_text(tier.name) + " réteg " + std::to_string(i + 1) + ". intervallumának";
    if (interval.xmax < interval.xmin) {
      return fail(where + " vége (" + seconds_text(interval.xmax) + ") a kezdete (" +
                  seconds_text(interval.xmin) + ") előtt van");
    }
    if (!tier.intervals.empty() && interval.xmin < tier.intervals.back().xmin) {
      return fail(where + " kezdete (" + seconds_text(interval.xmin) +
                  ") az előző intervallum kezdete előtt van");
    }
    tier.intervals.push_back(std::move(interval));
  }
  return true;
}

bool BodyReader::points() {
  size_t n = 0;
  if (!count("pont", source_.smallest_point(), n)) return false;
  std::string mark;
  for (size_t i = 0; i < n; ++i) {
    double time_of_point = 0;
    if (!time(time_of_point, "pont") || !from_source(source_.text(mark))) return false;
  }
  return true;
}

}  // namespace

bool read_grid_body(GridSource& source, TextGrid& grid, std::string& reason) {
  return BodyReader(source, reason).grid(grid);
}

}  // namespace zor
