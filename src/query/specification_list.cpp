#include "query/specification_list.h"

#include "platform/file_io.h"
#include "query/tab_fields.h"

namespace zor {

bool save_specifications(const SpecificationList& list, std::string_view path) {
  std::string text;
  for (const Specification& record : list.rows()) append_tab_line(text, record.fields);
  return write_file_atomically(path, text);
}

bool load_specifications(SpecificationList& list, std::string_view path) {
  std::vector<std::string> lines;
  if (!read_text_lines(path, lines)) return false;
  std::vector<Specification> records(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) split_tab_fields(lines[i], records[i].fields);
  list.assign(std::move(records));
  return true;
}

}  // namespace zor
