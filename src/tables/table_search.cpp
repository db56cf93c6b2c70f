// Testing the current row against a condition, and walking to the next row
// that meets one.
#include "tables/text_table.h"
#include "tables/text_utils.h"

namespace zor {

namespace {

enum class Operator { kLess, kGreater, kEqual, kLessOrEqual, kGreaterOrEqual, kLike, kNone };

Operator operator_of(std::string_view word) {
  word = up_to_zero(word);
  if (word == "<") return Operator::kLess;
  if (word == ">") return Operator::kGreater;
  if (word == "=") return Operator::kEqual;
  if (word == "<=") return Operator::kLessOrEqual;
  if (word == ">=") return Operator::kGreaterOrEqual;
  if (compare_no_case(word, "LIKE") == 0) return Operator::kLike;
  return Operator::kNone;
}

template <class T>
bool ordered(Operator op, const T& field, const T& value) {
  switch (op) {
    case Operator::kLess: return field < value;
    case Operator::kGreater: return field > value;
    case Operator::kEqual: return field == value;
    case Operator::kLessOrEqual: return field <= value;
    case Operator::kGreaterOrEqual: return field >= value;
    default: return false;
  }
}

}  // namespace

// One condition, with its column and operator resolved once per call.
struct TextTable::Locator {
  Locator(const TextTable& table, std::string_view column_name, std::string_view op)
      : column(table.column_index(column_name)), comparison(operator_of(op)) {}

  int column;
  Operator comparison;
  bool by_number = false;
  std::string_view text;
  double number = 0;
};

bool TextTable::meets(const Locator& locator) const {
  if (locator.comparison == Operator::kNone) return false;
  FieldText field = field_at(locator.column);
  if (!field) return false;
  if (locator.by_number) return ordered(locator.comparison, read_number(*field), locator.number);
  // std::string_view orders by unsigned byte values, the shorter text first.
  if (locator.comparison == Operator::kLike) return matcher_.match(locator.text, *field);
  return ordered(locator.comparison, *field, locator.text);
}

bool TextTable::compare(std::string_view column, std::string_view op, std::string_view value) const {
  Locator locator(*this, column, op);
  locator.text = up_to_zero(value);
  return meets(locator);
}

bool TextTable::compare_number(std::string_view column, std::string_view op, double value) const {
  Locator locator(*this, column, op);
  locator.by_number = true;
  locator.number = value;
  return meets(locator);
}

bool TextTable::begin_search(int direction) {
  direction_ = direction;
  if (rows_.empty()) return false;
  search_begun_ = true;
  return true;
}

bool TextTable::walk_to_match(const Locator& locator) {
  if (rows_.empty()) return false;
  const int start = cursor_;
  bool found = false;
  if (direction_ == 0 || direction_ == 1) {
    const int step = direction_ == 1 ? 1 : -1;
    // A begun search examines the row it stands on; a later one goes on
    // from the row after the last match.
    if (!search_begun_) cursor_ += step;
    while (step > 0 ? cursor_ <= rows_count() : cursor_ >= 1) {
      if (meets(locator)) {
        found = true;
        break;
      }
      cursor_ += step;
    }
  }
  search_begun_ = false;
  if (found) return true;  // BOF and EOF keep their values
  // Back to the start; a start without a row keeps the cursor off the rows
  // rather than one past them.
  cursor_ = start;
  move_to(start);
  return false;
}

bool TextTable::locate(std::string_view column, std::string_view op, std::string_view value) {
  Locator locator(*this, column, op);
  locator.text = up_to_zero(value);
  return walk_to_match(locator);
}

bool TextTable::locate_number(std::string_view column, std::string_view op, double value) {
  Locator locator(*this, column, op);
  locator.by_number = true;
  locator.number = value;
  return walk_to_match(locator);
}

bool TextTable::end_search() {
  if (rows_.empty()) return false;
  if (!has_row()) move_last();
  search_begun_ = false;
  return true;
}

}  // namespace zor
