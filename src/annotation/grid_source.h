#pragma once
// The values a TextGrid is stored as, one after the other, whatever the form
// of the file: the text and binary forms hold the same values in the same
// order, so one reader walks both.
#include <cstddef>
#include <cstdint>
#include <string>

#include "annotation/textgrid.h"

namespace zor {

class GridSource {
 public:
  virtual ~GridSource() = default;

  // Each reads the next value; false, with problem() set, when the next value
  // is missing or of another kind.
  virtual bool real(double& value) = 0;
  virtual bool integer(std::int64_t& value) = 0;
  virtual bool text(std::string& utf8) = 0;
  virtual bool existence(bool& exists) = 0;
  virtual bool class_name(std::string& name) = 0;

  // The fewest bytes an interval, a point and a tier take in this form: with
  // the bytes left they bound a count before anything is allocated for it.
  virtual size_t smallest_interval() const = 0;
  virtual size_t smallest_point() const = 0;
  virtual size_t smallest_tier() const = 0;
  virtual size_t bytes_left() const = 0;

  // Where the reading stands, for a reason ("12. sor"), Hungarian UTF-8.
  virtual std::string place() const = 0;

  // Hungarian UTF-8.
  const std::string& problem() const { return problem_; }

 protected:
  bool fail(std::string why) {
    problem_ = std::move(why) + " (" + place() + ")";
    return false;
  }

 private:
  std::string problem_;
};

// Reads what follows the class name: the grid's time range, its tiers and
// their intervals and points. False with a Hungarian UTF-8 reason.
bool read_grid_body(GridSource& source, TextGrid& grid, std::string& reason);

}  // namespace zor
