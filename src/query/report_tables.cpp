#include "query/report_tables.h"

namespace zor {

bool KeyedTable::load(std::string_view path, std::string_view key) {
  table_.set_separator('\t');
  if (!table_.load(path)) return false;
  int column = table_.column_index(key);
  if (column > 0) index_.emplace(table_, column);
  return true;
}

std::span<const int> KeyedTable::rows(std::string_view value) const {
  if (!index_) return {};
  return index_->rows(value);
}

std::optional<std::string_view> KeyedTable::first_field(std::string_view value,
                                                        int column) const {
  std::span<const int> found = rows(value);
  if (found.empty()) return std::nullopt;
  return table_.cell(found.front(), column).value_or(std::string_view{});
}

bool ReportTables::load(const OutputNames& names) {
  bool loaded = sentences.load(names.sentences, "MONDAT_SORSZ");
  loaded = words.load(names.words, "SZO_SORSZ") && loaded;
  loaded = sounds.load(names.sounds, "HANG_SORSZ") && loaded;
  loaded = result.load(names.result, "EREDMENY_SPECNEV") && loaded;
  loaded = result_dev.load(names.result_dev, "EREDMENYSZ_SPECNEV") && loaded;
  return loaded;
}

}  // namespace zor
