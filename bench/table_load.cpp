// Loads a corpus-sized table (600,000 rows x 20 columns, about 100 MB) and
// walks every field of every row through the cursor. Prints the load speed
// and the peak memory against the file size.
//
//   table-load [rows]
#include <sys/resource.h>

#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "platform/file_io.h"
#include "tables/text_table.h"

namespace {

constexpr int kColumns = 20;

// Rows shaped like the sound table: numbers, labels and label lists, with an
// occasional escaped tab or backslash and a few short rows.
bool write_table(const std::string& path, int rows) {
  zor::TextFileWriter writer;
  if (!writer.open(path)) return false;
  std::string line;
  for (int c = 1; c <= kColumns; ++c) line += (c > 1 ? "\t" : "") + ("HANG_OSZLOP_" + std::to_string(c));
  writer.write_line(line);
  std::mt19937 random(12345);
  const char* labels[] = {"a",      "a:",      "e:", "sz", "_", "MAGANHANGZO,ROVID,NYELVALLAS",
                          "ZONGE,ZARHANG,ZARHANG_ZONGETLEN", "k\\\\t"};
  for (int r = 0; r < rows; ++r) {
    line.clear();
    int fields = random() % 50 == 0 ? kColumns / 2 : kColumns;
    for (int c = 0; c < fields; ++c) {
      if (c > 0) line += '\t';
      switch (c % 4) {
        case 0: line += std::to_string(random() % 100000); break;
        case 1: line += labels[random() % 8]; break;
        case 2: line += std::to_string(random() % 4000) + "." + std::to_string(random() % 1000); break;
        default: line += random() % 100 == 0 ? "x\\\ty" : std::to_string(r); break;
      }
    }
    writer.write_line(line);
  }
  return writer.close();
}

double cpu_seconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double peak_rss_bytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) * 1024.0;  // Linux reports KiB
}

}  // namespace

int main(int argc, char** argv) {
  int rows = argc > 1 ? std::atoi(argv[1]) : 600000;
  std::string path = (std::filesystem::temp_directory_path() / "zor_table_load_bench.txt").string();
  if (!write_table(path, rows)) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return 1;
  }
  double file_size = static_cast<double>(std::filesystem::file_size(path));
  double rss_before = peak_rss_bytes();

  using Clock = std::chrono::steady_clock;
  zor::TextTable table;
  table.set_separator('\t');
  auto start = Clock::now();
  double cpu_start = cpu_seconds();
  bool loaded = table.load(path);
  double load_cpu_seconds = cpu_seconds() - cpu_start;
  double load_seconds = std::chrono::duration<double>(Clock::now() - start).count();
  if (!loaded) {
    std::fprintf(stderr, "cannot load %s\n", path.c_str());
    return 1;
  }

  start = Clock::now();
  size_t bytes = 0;
  size_t missing = 0;
  for (table.move_first(); !table.eof(); table.move_next()) {
    for (int c = 1; c <= table.column_count(); ++c) {
      zor::FieldText field = table.field_at(c);
      if (field) bytes += field->size();
      else ++missing;
    }
  }
  double walk_seconds = std::chrono::duration<double>(Clock::now() - start).count();
  start = Clock::now();
  zor::ExactIndex index(table, 2);
  double index_seconds = std::chrono::duration<double>(Clock::now() - start).count();
  double peak = peak_rss_bytes();
  std::filesystem::remove(path);

  const double mb = 1e6;
  std::printf("table: %d rows x %d columns, file %.1f MB\n", table.row_count(), table.column_count(),
              file_size / mb);
  std::printf("load: %.3f s wall, %.0f MB/s; %.3f s CPU, %.0f MB/s (target 300 MB/s)\n",
              load_seconds, file_size / mb / load_seconds, load_cpu_seconds,
              file_size / mb / load_cpu_seconds);
  std::printf("walk: %.3f s, %zu field bytes, %zu missing fields\n", walk_seconds, bytes, missing);
  std::printf("exact index of column 2: %.3f s, %zu rows of \"a\"\n", index_seconds,
              index.rows("a").size());
  std::printf("peak RSS: %.1f MB before load, %.1f MB after = %.2f x file size (target 1.5)\n",
              rss_before / mb, peak / mb, peak / file_size);
  return 0;
}
