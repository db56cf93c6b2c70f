#pragma once
// The five tables a report reads, loaded once per report, with the indexes
// that find a specification's rows and an occurrence's sentence, word and
// sound without walking the tables.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "corpus/output_names.h"
#include "query/distribution_file.h"
#include "tables/text_key_index.h"
#include "tables/text_table.h"

namespace zor {

// A loaded table with an exact-match index on one column named by its header,
// and optionally the texts of one more column, the detail a report prints.
class KeyedTable {
 public:
  KeyedTable() = default;
  KeyedTable(const KeyedTable&) = delete;
  KeyedTable& operator=(const KeyedTable&) = delete;

  // Loads with the tab separator and indexes the first column named `key`;
  // `detail_column` > 0 makes detail() read that column. `stored_columns` > 0
  // keeps only that many first columns. False when the file cannot be opened.
  bool load(std::string_view path, std::string_view key, int detail_column = 0,
            int stored_columns = 0);

  // The rows whose key field equals the value, in file order.
  std::span<const int> rows(std::string_view value) const;
  // The detail column of the first such row; nullopt when no row has the
  // value. A matching row whose field is missing gives the empty text.
  std::optional<std::string_view> detail(std::string_view value) const;

  const TextTable& table() const { return table_; }

 private:
  void gather_details(int column);

  TextTable table_;
  std::optional<ExactIndex> index_;  // none when the key column is missing
  // The report reaches rows in no useful order: one small id per row into a
  // few distinct texts keeps most look-ups inside the cache.
  std::vector<std::uint32_t> detail_ids_;  // by row - 1
  TextKeyIndex detail_texts_;
};

struct ReportTables {
  KeyedTable sentences;   // keyed by MONDAT_SORSZ
  KeyedTable words;       // keyed by SZO_SORSZ
  KeyedTable sounds;      // keyed by HANG_SORSZ
  KeyedTable result;      // keyed by EREDMENY_SPECNEV
  DistributionFile result_dev;  // keyed by EREDMENYSZ_SPECNEV

  // Every table is attempted; false when any of them cannot be loaded.
  bool load(const OutputNames& names);
  // After a load: empty when every table has the columns the report reads,
  // otherwise the message naming the first file and column that lack.
  std::string missing_columns(const OutputNames& names) const;
};

}  // namespace zor
