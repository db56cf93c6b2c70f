#pragma once
// The ordered specifications of page 4, in the order the query visits them,
// and the specification file.
#include <string>
#include <string_view>

#include "query/row_list.h"
#include "query/specification.h"

namespace zor {

class SpecificationList : public RowList<Specification> {
 public:
  const std::string& field(size_t index, SpecField field) const { return row(index)[field]; }
};

// One line per record: the twelve fields joined by TAB (always eleven TABs),
// CR LF; an empty list gives an empty file. The write never destroys an
// existing file when it fails; false then.
bool save_specifications(const SpecificationList& list, std::string_view path);
// Replaces every record by the lines of the file, without validating them; a
// view selects the first row afterwards. False, and the list unchanged, when
// the file cannot be read.
bool load_specifications(SpecificationList& list, std::string_view path);

inline constexpr std::string_view kDefaultSpecificationFile = "specifikaciok.txt";

}  // namespace zor
