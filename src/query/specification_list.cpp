#include "query/specification_list.h"

#include "query/tab_file.h"

namespace zor {

bool save_specifications(const SpecificationList& list, std::string_view path) {
  return save_tab_rows(list, path, &Specification::fields);
}

bool load_specifications(SpecificationList& list, std::string_view path) {
  return load_tab_rows(list, path, &Specification::fields);
}

}  // namespace zor
