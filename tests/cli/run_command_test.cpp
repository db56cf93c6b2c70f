// zor-cli run on a generated corpus: the conversion and the query in one go.
// Every line of the result table is recomputed from the distribution lines,
// and both files from the tables by the row-by-row walk.
#include <gtest/gtest.h>

#include <map>

#include "platform/file_io.h"
#include "query/literal_query.h"
#include "query/query_corpus_generator.h"
#include "query/query_test_support.h"
#include "query/specification_list.h"
#include "query_cli_support.h"
#include "cli/exit_status.h"

namespace zor::test {
namespace {

std::vector<std::string> fields_of(const std::string& line, char separator) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t end; (end = line.find(separator, start)) != std::string::npos; start = end + 1)
    fields.push_back(line.substr(start, end - start));
  fields.push_back(line.substr(start));
  return fields;
}

// The result lines that the distribution lines imply, in the order the
// specifications first appear.
std::vector<std::string> results_from_distribution(const std::vector<std::string>& lines) {
  struct Totals {
    std::string type;
    long long count = 0, sum = 0, min = 0, max = 0;
    std::string min_items, max_items;
  };
  std::vector<std::string> order;
  std::map<std::string, Totals> totals;
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::vector<std::string> fields = fields_of(lines[i], '\t');
    const long long d = std::stoll(fields_of(fields[3], ';')[0]);
    if (!totals.count(fields[0])) order.push_back(fields[0]);
    Totals& t = totals[fields[0]];
    t.type = fields[1];
    if (t.count == 0 || d < t.min) t.min = d, t.min_items = fields[3];
    if (t.count == 0 || d > t.max) t.max = d, t.max_items = fields[3];
    ++t.count;
    t.sum += d;
    const long long bound = std::stoll(fields[2]);
    EXPECT_TRUE(bound >= d && bound - d < 10 && bound % 10 == 0) << lines[i];
  }
  std::vector<std::string> results;
  for (const std::string& name : order) {
    const Totals& t = totals[name];
    results.push_back(name + "\t" + t.type + "\t" + std::to_string(t.count) + "\t" +
                      std::to_string(t.sum / t.count) + "\t" + t.min_items + "\t" + t.max_items);
  }
  return results;
}

TEST(RunCommand, ConvertsThenQueriesAndEveryResultLineFollowsFromTheHits) {
  ScratchDir dir;
  std::string errors;
  const std::string corpus = dir.file("corpus");
  ASSERT_EQ(run_program(shell_quoted(ZOR_GENERATOR_PATH) + " --out " + shell_quoted(corpus) +
                            " --recordings 60 --seed 5 --broken",
                        dir, errors),
            0)
      << errors;
  SpecificationList specs;
  for (Specification& spec : generate_specifications(17, 150)) specs.append(std::move(spec));
  ASSERT_TRUE(save_specifications(specs, dir.file("specs.txt")));

  const std::string out = dir.file("out");
  ASSERT_EQ(run_program(zor_cli() + " run --quiet --out-dir " + shell_quoted(out) + " --list " +
                            shell_quoted(corpus + "/list.txt") + " --specs " +
                            shell_quoted(dir.file("specs.txt")),
                        dir, errors),
            kExitPartial)
      << errors;

  std::vector<std::string> result, distribution;
  ASSERT_TRUE(read_text_lines(out + "/output_result.txt", result));
  ASSERT_TRUE(read_text_lines(out + "/output_result_dev.txt", distribution));
  ASSERT_GT(result.size(), 20u);
  EXPECT_EQ(std::vector<std::string>(result.begin() + 1, result.end()),
            results_from_distribution(distribution));

  TextTable words, sounds;
  words.set_separator('\t');
  sounds.set_separator('\t');
  ASSERT_TRUE(words.load(out + "/output_words.txt"));
  ASSERT_TRUE(sounds.load(out + "/output_sounds.txt"));
  const QueryFiles expected = literal_query(specs.rows(), words, sounds);
  EXPECT_EQ(read_bytes(out + "/output_result.txt"), crlf(expected.result));
  EXPECT_EQ(read_bytes(out + "/output_result_dev.txt"), crlf(expected.distribution));
}

TEST(RunCommand, StopsBeforeTheQueryWhenTheConversionCannotStart) {
  ScratchDir dir;
  std::string errors;
  write_bytes(dir.path() / "specs.txt", "s\tH\ta\r\n");
  EXPECT_EQ(run_program(zor_cli() + " run --quiet --out-dir " + shell_quoted(dir.file("out")) +
                            " --list " + shell_quoted(dir.file("nincs.txt")) + " --specs " +
                            shell_quoted(dir.file("specs.txt")),
                        dir, errors),
            1);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "out" / "output_result.txt"));
  EXPECT_EQ(run_program(zor_cli() + " run --out-dir x --specs y", dir, errors), 2);
}

}  // namespace
}  // namespace zor::test
