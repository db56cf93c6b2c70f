#include "query/result_freshness.h"

#include <chrono>
#include <filesystem>
#include <optional>

#include "platform/encoding.h"

namespace zor {
namespace {

using Time = std::filesystem::file_time_type;

std::optional<Time> modified(const std::string& cp1250_path) {
  std::error_code error;
  Time time = std::filesystem::last_write_time(native_file_name(cp1250_path), error);
  if (error) return std::nullopt;
  return time;
}

}  // namespace

bool results_older_than_tables(const OutputNames& names) {
  std::optional<Time> oldest_result;
  for (const std::string* result : {&names.result, &names.result_dev})
    if (std::optional<Time> time = modified(*result))
      oldest_result = oldest_result ? std::min(*oldest_result, *time) : *time;
  if (!oldest_result) return false;
  for (const std::string* table : {&names.sentences, &names.words, &names.sounds}) {
    std::optional<Time> time = modified(*table);
    if (time && *time > *oldest_result + std::chrono::seconds(2)) return true;
  }
  return false;
}

std::string stale_results_question() {
  return to_cp1250(
      "Az eredménytáblák régebbiek a korpusz tábláinál: a lekérdezés óta új konverzió "
      "készült, így a jelentés a régi eredmények mondatait, szavait és hangjait az új "
      "korpuszban keresné.\n\nMégis elkészíti a jelentést?");
}

std::string stale_results_caption() { return to_cp1250("Elavult eredmény"); }

}  // namespace zor
