#pragma once
// The five tables a report reads, loaded once per report, with the indexes
// that find a specification's rows and an occurrence's sentence, word and
// sound without walking the tables.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "corpus/output_names.h"
#include "query/distribution_file.h"
#include "query/text_ids.h"
#include "tables/text_key_index.h"
#include "tables/text_table.h"

namespace zor {

// A loaded table with an exact-match index on one column named by its header.
class KeyedTable {
 public:
  KeyedTable() = default;
  KeyedTable(const KeyedTable&) = delete;
  KeyedTable& operator=(const KeyedTable&) = delete;

  // Loads with the tab separator and indexes the first column named `key`.
  // False when the file cannot be opened.
  bool load(std::string_view path, std::string_view key);
  // The rows whose key field equals the value, in file order.
  std::span<const int> rows(std::string_view value) const;
  const TextTable& table() const { return table_; }

 private:
  TextTable table_;
  std::optional<ExactIndex> index_;  // none when the key column is missing
};

// The detail column of a corpus table by its key column, the table read
// through once: the report looks up the sentence, word and sound of every
// hit, and keeps no more of a table than each row's detail.
class DetailIndex {
 public:
  // Reads with the tab separator; the first column named `key` is the key.
  // False when the file cannot be opened or read.
  bool load(const std::string& path, std::string_view key, int detail_column);
  const std::vector<std::string>& column_names() const { return names_; }
  // The detail of the first row whose key field equals the value, as a
  // report writes it (each LF as CR LF); nullopt when no row has it. A
  // matching row whose detail is missing gives "".
  std::optional<std::string_view> detail(std::string_view value) const;

 private:
  std::vector<std::string> names_;
  TextIds details_;
  std::vector<std::uint32_t> detail_of_row_;  // by row - 1
  // Corpus tables number their rows 1, 2, 3, ... in the key column: while
  // that holds, a look-up reads the number. Otherwise the keys are hashed.
  bool row_numbered_ = true;
  std::unordered_map<std::string, std::uint32_t> detail_of_key_;
};

struct ReportTables {
  DetailIndex sentences;  // keyed by MONDAT_SORSZ
  DetailIndex words;      // keyed by SZO_SORSZ
  DetailIndex sounds;     // keyed by HANG_SORSZ
  KeyedTable result;      // keyed by EREDMENY_SPECNEV
  DistributionFile result_dev;  // keyed by EREDMENYSZ_SPECNEV

  // Every table is attempted; false when any of them cannot be loaded.
  bool load(const OutputNames& names);
  // After a load: empty when every table has the columns the report reads,
  // otherwise the message naming the first file and column that lack.
  std::string missing_columns(const OutputNames& names) const;
};

}  // namespace zor
