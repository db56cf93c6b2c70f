// The report reaches its rows through indexes; this test writes the same
// reports the plain way, with the table cursor and its searches walking
// from the first row for every lookup and every interval, and demands the
// same bytes on random tables full of awkward values. The k-th result row of
// a name is reported with the k-th run of that name's distribution rows, as
// long as its count; a name of one row owns all of them.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>

#include "platform/encoding.h"
#include "platform/paths.h"
#include "query/report.h"
#include "support/fake_host.h"
#include "support/test_files.h"
#include "tables/text_table.h"

namespace zor {
namespace {

using test::read_bytes;
using test::write_bytes;

std::string formatted(const char* format, auto... values) {
  char text[4096];
  int length = std::snprintf(text, sizeof text, format, values...);
  return std::string(text, static_cast<size_t>(length));
}

std::string text(FieldText field) { return std::string(field.value_or("")); }

int truncated(double number) {
  if (!std::isfinite(number) || number <= -2147483649.0 || number >= 2147483648.0) return INT_MIN;
  return static_cast<int>(number);
}

class WalkingReport {
 public:
  explicit WalkingReport(const OutputNames& names) {
    TextTable* tables[] = {&sentences_, &words_, &sounds_, &result_, &dev_};
    const std::string* paths[] = {&names.sentences, &names.words, &names.sounds, &names.result,
                                  &names.result_dev};
    for (int i = 0; i < 5; ++i) {
      tables[i]->set_separator('\t');
      EXPECT_TRUE(tables[i]->load(*paths[i]));
    }
  }

  std::string write(const std::vector<ReportEntry>& entries, ReportOptions options) {
    out_.clear();
    options_ = options;
    std::map<std::string, size_t> seen;
    for (const ReportEntry& entry : entries) {
      size_t occurrence = seen[entry.name]++;
      if (entry.ticked) write_entry(entry.name, occurrence);
    }
    return out_;
  }

 private:
  // The occurrence-th row of the name; with it, where each row's run of
  // distribution rows begins (the counts added up).
  void write_entry(const std::string& name, size_t occurrence) {
    starts_.assign(1, 0);
    result_.move_first();
    result_.begin_search(1);
    while (result_.locate("EREDMENY_SPECNEV", "=", name))
      starts_.push_back(starts_.back() + static_cast<size_t>(std::max(0, truncated(result_.number_at(3)))));
    result_.end_search();
    if (occurrence + 1 >= starts_.size()) return;
    result_.move_first();
    result_.begin_search(1);
    for (size_t k = 0; k <= occurrence; ++k) result_.locate("EREDMENY_SPECNEV", "=", name);
    result_.end_search();
    occurrence_ = occurrence;
    type_ = text(result_.field_at(2));
    out_ += "SPEC.NEV: " + name + "\n";
    out_ += to_cp1250("ÖSSZ(db):\t") + formatted("%5s", text(result_.field_at(3)).c_str()) + "\n";
    out_ += to_cp1250("ÁTL.(ms):\t") + formatted("%5s", text(result_.field_at(4)).c_str()) + "\n";
    const std::string min_text = text(result_.field_at(5));
    const std::string max_text = text(result_.field_at(6));
    Occurrence min = split_occurrence(min_text);
    Occurrence max = split_occurrence(max_text);
    out_ += "MIN.(ms):\t" + formatted("%5s", std::string(min.value).c_str()) + "\n";
    if (options_.details) details(min, "): ", "): ", "): ");
    out_ += "MAX.(ms):\t" + formatted("%5s", std::string(max.value).c_str()) + "\n";
    if (options_.details) details(max, "): ", "): ", "): ");
    if (options_.distribution) distribution(name);
    out_ += std::string(59, '-') + "\n\n";
  }

  // Whether the i-th distribution row of the name belongs to the row reported.
  bool in_run(size_t i) const {
    return starts_.size() == 2 || (i >= starts_[occurrence_] && i < starts_[occurrence_ + 1]);
  }

  void distribution(const std::string& name) {
    out_ += to_cp1250("ELOSZLÁSOK(db):\n");
    int top = 0;
    dev_.move_first();
    dev_.begin_search(1);
    for (size_t i = 0; dev_.locate("EREDMENYSZ_SPECNEV", "=", name); ++i)
      if (in_run(i)) top = std::max(top, truncated(dev_.number_at(3)));
    dev_.end_search();
    for (long long bound = 10; bound <= top; bound += 10) {
      std::string label = formatted("%4d-%4d:\t", static_cast<int>(bound - 10), static_cast<int>(bound));
      int tally = 0;
      dev_.move_first();
      dev_.begin_search(1);
      for (size_t i = 0; dev_.locate("EREDMENYSZ_SPECNEV", "=", name); ++i) {
        if (!in_run(i)) continue;
        if (!dev_.compare_number("EREDMENYSZ_INTERV", "=", static_cast<double>(bound))) continue;
        ++tally;
        const std::string occurrence_text = text(dev_.field_at(4));
        Occurrence occurrence = split_occurrence(occurrence_text);
        std::string with_value = ". " + std::string(occurrence.value) + " ms ): ";
        if (options_.details) {
          details(occurrence, ".): ", type_ == "SZ" ? with_value : ".): ",
                  type_ == "H" ? with_value : ".): ");
        }
      }
      out_ += label + formatted("%5d", tally) + " \n";
    }
  }

  void details(const Occurrence& occurrence, const std::string& s, const std::string& w,
               const std::string& h) {
    detail(sentences_, "MONDAT_SORSZ", occurrence.sentence, "    -=Mondat(", s);
    detail(words_, "SZO_SORSZ", occurrence.word, to_cp1250("      Szó("), w);
    detail(sounds_, "HANG_SORSZ", occurrence.sound, "      Hang(", h);
  }

  void detail(TextTable& table, const char* column, std::string_view number,
              const std::string& caption, const std::string& mark) {
    if (number.empty()) return;
    table.move_first();
    table.begin_search(1);
    if (table.locate(column, "=", number))
      out_ += caption + std::string(number) + mark + text(table.field_at(4)) + "\n";
    table.end_search();
  }

  TextTable sentences_, words_, sounds_, result_, dev_;
  ReportOptions options_;
  std::vector<size_t> starts_;
  size_t occurrence_ = 0;
  std::string type_;
  std::string out_;
};

// Random tables: names, numbers and interval values drawn from small pools
// so that duplicates, misses, near-misses and non-numbers all occur.
class RandomTables {
 public:
  // Every third seed's distribution names its second column as the
  // interval column too: the first column of that name is then the one
  // counted, and the interval column at its place gives the largest interval.
  explicit RandomTables(unsigned seed) : random_(seed), interval_named_twice_(seed % 3 == 0) {}

  void write(const OutputNames& names) {
    const char* const labels[] = {"_alma", "a", "l:", "\xF6t", "", "E:"};
    std::string sentences = "MONDAT_SORSZ\tELERESI_UT\tMONDAT_HOSSZ\tMONDAT_HANGSOR\r\n";
    std::string words = "SZO_SORSZ\tMONDAT_SORSZ\tSZO_HOSSZ\tSZO_HANGSOR\r\n";
    std::string sounds = "HANG_SORSZ\tSZO_SORSZ\tMONDAT_SORSZ\tHANG\r\n";
    for (int i = 0; i < 12; ++i) {
      sentences += number() + "\tx\t1\t" + pick(labels) + "\r\n";
      words += number() + "\t1\t1\t" + pick(labels) + "\r\n";
      sounds += number() + "\t1\t1" + (chance(8) ? "" : "\t" + pick(labels)) + "\r\n";
    }
    std::string result = "EREDMENY_SPECNEV\tEREDMENY_SPECTIPUS\tEREDMENY_DB\tEREDMENY_ATLAG\t"
                         "EREDMENY_MIN\tEREDMENY_MAX\r\n";
    for (int i = 0; i < 6; ++i) {
      result += name() + "\t" + type() + "\t" + std::to_string(int_between(0, 200000)) + "\t" +
                std::to_string(int_between(0, 99)) + "\t" + occurrence() +
                (chance(6) ? "" : "\t" + occurrence()) + "\r\n";
    }
    std::string dev = interval_named_twice_
                          ? "EREDMENYSZ_SPECNEV\tEREDMENYSZ_INTERV\tEREDMENYSZ_INTERV\tEREDMENYSZ_DB\r\n"
                          : "EREDMENYSZ_SPECNEV\tEREDMENYSZ_SPECTIPUS\tEREDMENYSZ_INTERV\tEREDMENYSZ_DB\r\n";
    const char* const intervals[] = {"0",  "5",  "9",  "10",   "20", "20.0", "2e1", "35",
                                     "40", "x",  "",   "-10",  "70", " 30",  "1e2", "30.5"};
    for (int i = 0; i < 40; ++i) {
      const std::string second = interval_named_twice_ && !chance(4) ? pick(intervals) : type();
      dev += name() + (chance(12) ? "" : "\t" + second) +
             (chance(10) ? "" : "\t" + pick(intervals) + "\t" + occurrence()) + "\r\n";
    }
    write_bytes(names.sentences, sentences);
    write_bytes(names.words, words);
    write_bytes(names.sounds, sounds);
    write_bytes(names.result, result);
    write_bytes(names.result_dev, dev);
  }

  // One entry per result row, as the viewer and the command line list them,
  // most of them ticked.
  std::vector<ReportEntry> entries(const OutputNames& names) {
    std::vector<ReportEntry> entries = report_entries(names.result);
    for (ReportEntry& entry : entries) entry.ticked = !chance(5);
    return entries;
  }

 private:
  template <size_t N>
  std::string pick(const char* const (&pool)[N]) {
    return pool[int_between(0, N - 1)];
  }
  int int_between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool chance(int one_in) { return int_between(1, one_in) == 1; }
  std::string number() { return std::to_string(int_between(1, 8)); }
  std::string name() {
    const char* const names[] = {"V1", "W", "S", "V1 ", "\xE1rva", ""};
    return pick(names);
  }
  std::string type() {
    const char* const types[] = {"H", "SZ", "X", ""};
    return pick(types);
  }
  std::string occurrence() {
    const char* const short_ones[] = {"", "1;", "7;;1", "12345", "1;2;34"};
    if (chance(5)) return pick(short_ones);
    return std::to_string(int_between(0, 300)) + ";" + (chance(3) ? "" : number()) + ";" +
           number() + ";" + number() + (chance(8) ? ";9" : "");
  }

  std::mt19937 random_;
  bool interval_named_twice_;
};

void expect_report_as_walked(const OutputNames& names, const std::vector<ReportEntry>& entries,
                             ReportOptions options, const std::string& context) {
  WalkingReport walking(names);
  test::FakeHost host;
  ASSERT_EQ(write_report(entries, options, names, host), RunOutcome::completed);
  std::string expected = walking.write(entries, options);
  std::string with_cr_lf;
  for (char c : expected) with_cr_lf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  ASSERT_EQ(read_bytes(names.report), with_cr_lf) << context;
}

// A corpus as the conversion numbers it, rows 1, 2, 3, ..., and a
// specification with far more hits than the report renders at a time, in
// two runs of lines around another's, some hits under no shown interval.
TEST(ReportEquivalence, ALargeDistributionOfANumberedCorpusReadsAsWalked) {
  test::ScratchDir dir;
  OutputNames names = build_output_names(with_trailing_separator(dir.path().string()), "r.txt");
  std::string sentences = "MONDAT_SORSZ\tELERESI_UT\tMONDAT_HOSSZ\tMONDAT_HANGSOR\r\n";
  std::string words = "SZO_SORSZ\tMONDAT_SORSZ\tSZO_HOSSZ\tSZO_HANGSOR\r\n";
  std::string sounds = "HANG_SORSZ\tSZO_SORSZ\tMONDAT_SORSZ\tHANG\r\n";
  for (int row = 1; row <= 300; ++row) {
    const std::string n = std::to_string(row);
    sentences += n + "\tx\t1\ts" + n + "\r\n";
    words += n + "\t1\t1\tw" + n + "\r\n";
    // The sound numbering breaks off two thirds in: the rest are looked up by text.
    sounds += (row == 200 ? std::string("07") : n) + "\t1\t1\th" + n + "\r\n";
  }
  write_bytes(names.sentences, sentences);
  write_bytes(names.words, words);
  write_bytes(names.sounds, sounds);
  write_bytes(names.result, "EREDMENY_SPECNEV\tEREDMENY_SPECTIPUS\tEREDMENY_DB\tEREDMENY_ATLAG\t"
                            "EREDMENY_MIN\tEREDMENY_MAX\r\nBIG\tH\t1\t2\t10;1;1;1\t10;1;1;1\r\n"
                            "OTHER\tSZ\t1\t2\t10;;1;1\t10;;1;1\r\n");
  std::string dev = "EREDMENYSZ_SPECNEV\tEREDMENYSZ_SPECTIPUS\tEREDMENYSZ_INTERV\tEREDMENYSZ_DB\r\n";
  auto hit = [&dev](const char* name, int i) {
    const int bound = 10 * (1 + (i * 7) % 40) + (i % 97 == 0 ? 5 : 0);
    dev += std::string(name) + "\tH\t" + std::to_string(bound) + "\t" + std::to_string(bound - 3) + ";" +
           std::to_string(1 + i % 310) + ";" + std::to_string(1 + i % 290) + ";" + std::to_string(1 + i % 300) +
           "\r\n";
  };
  for (int i = 0; i < 100000; ++i) hit("BIG", i);
  for (int i = 0; i < 50; ++i) hit("OTHER", i);
  for (int i = 100000; i < 160000; ++i) hit("BIG", i);
  write_bytes(names.result_dev, dev);
  const std::vector<ReportEntry> entries = report_entries(names.result);
  expect_report_as_walked(names, entries, ReportOptions{true, true}, "details and distribution");
}

// A few hits far apart, in intervals that leave hundreds empty between
// them, each interval's hits in file order.
TEST(ReportEquivalence, AFewHitsInFarIntervalsReadAsWalked) {
  test::ScratchDir dir;
  OutputNames names = build_output_names(with_trailing_separator(dir.path().string()), "r.txt");
  write_bytes(names.sentences, "MONDAT_SORSZ\tELERESI_UT\tMONDAT_HOSSZ\tMONDAT_HANGSOR\r\n1\tx\t1\ts1\r\n");
  write_bytes(names.words, "SZO_SORSZ\tMONDAT_SORSZ\tSZO_HOSSZ\tSZO_HANGSOR\r\n1\t1\t1\tw1\r\n2\t1\t1\tw2\r\n");
  write_bytes(names.sounds, "HANG_SORSZ\tSZO_SORSZ\tMONDAT_SORSZ\tHANG\r\n1\t1\t1\ta\r\n2\t2\t1\tb\r\n");
  write_bytes(names.result, "EREDMENY_SPECNEV\tEREDMENY_SPECTIPUS\tEREDMENY_DB\tEREDMENY_ATLAG\t"
                            "EREDMENY_MIN\tEREDMENY_MAX\r\nFAR\tH\t5\t900\t7;1;1;1\t2990;2;2;1\r\n");
  write_bytes(names.result_dev, "EREDMENYSZ_SPECNEV\tEREDMENYSZ_SPECTIPUS\tEREDMENYSZ_INTERV\tEREDMENYSZ_DB\r\n"
                                "FAR\tH\t3000\t2990;2;2;1\r\nFAR\tH\t10\t7;1;1;1\r\nFAR\tH\t3000\t2995;1;1;1\r\n"
                                "FAR\tH\t20\t15;2;2;1\r\nFAR\tH\t10\t9;2;2;1\r\n");
  expect_report_as_walked(names, report_entries(names.result), ReportOptions{true, true}, "far intervals");
}

TEST(ReportEquivalence, IndexedReportEqualsTheWalkingOneOnRandomTables) {
  test::ScratchDir dir;
  OutputNames names = build_output_names(with_trailing_separator(dir.path().string()), "r.txt");
  for (unsigned seed = 1; seed <= 150; ++seed) {
    RandomTables tables(seed);
    tables.write(names);
    std::vector<ReportEntry> entries = tables.entries(names);
    for (int mask = 0; mask < 4; ++mask) {
      ReportOptions options{(mask & 1) != 0, (mask & 2) != 0};
      expect_report_as_walked(names, entries, options,
                              "seed " + std::to_string(seed) + " options " + std::to_string(mask));
    }
  }
}

}  // namespace
}  // namespace zor
