// Inputs that are no files of their kind, given to zor-cli as a careless
// script would: a folder, a FIFO, a device, a sparse file of gigabytes. Each
// is refused at once with its reason; nothing crashes, hangs or grows without
// bound.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "cli/query_cli_support.h"
#include "query/query_test_support.h"
#include "tables/text_table.h"

namespace zor::test {
namespace {

namespace fs = std::filesystem;

class HostileInput : public ::testing::Test {
 protected:
  void SetUp() override {
    CorpusBuilder corpus;
    corpus.sentence({{{{"a", "30"}}}});
    write_bytes(dir.path() / "output_sentences.txt", crlf(corpus.sentences));
    write_bytes(dir.path() / "output_words.txt", crlf(corpus.words));
    write_bytes(dir.path() / "output_sounds.txt", crlf(corpus.sounds));
    write_bytes(dir.path() / "specs.txt", "v\tH\t<V>\r\n");
    fs::create_directory(dir.path() / "folder");
    ASSERT_EQ(mkfifo(dir.file("fifo").c_str(), 0600), 0);
    // Two gigabytes that take no room on the disk.
    write_bytes(dir.path() / "sparse", "");
    fs::resize_file(dir.path() / "sparse", std::uintmax_t{2} << 30);
  }

  // Runs zor-cli under a time limit: 124 means it hung.
  int cli(const std::string& arguments) {
    return run_program("timeout 20 " + zor_cli() + " " + arguments + " --quiet", dir, errors);
  }
  std::string out_dir() const { return "--out-dir " + shell_quoted(dir.file("")); }

  ScratchDir dir;
  std::string errors;
};

TEST_F(HostileInput, AsListSpecificationsOrLabelTree) {
  struct Case {
    const char* input;
    const char* reason;
  };
  const Case cases[] = {{"folder", "not a regular file"},
                        {"fifo", "not a regular file"},
                        {"/dev/zero", "not a regular file"},
                        {"sparse", "too large"},
                        {"missing", "No such file or directory"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.input);
    const std::string path = c.input[0] == '/' ? c.input : dir.file(c.input);
    EXPECT_EQ(cli("convert " + out_dir() + " --base x.txt --list " + shell_quoted(path)), 1);
    EXPECT_NE(errors.find("Cannot read the list file " + path + ": " + c.reason),
              std::string::npos)
        << errors;
    EXPECT_EQ(cli("convert " + out_dir() + " --base x.txt --labels " + shell_quoted(path) + " a.wav"),
              1);
    EXPECT_NE(errors.find(c.reason), std::string::npos) << errors;
    EXPECT_EQ(cli("query " + out_dir() + " --specs " + shell_quoted(path)), 1);
    EXPECT_NE(errors.find(c.reason), std::string::npos) << errors;
  }
}

TEST_F(HostileInput, AsCorpusOrResultTable) {
  // The query reads the sound table, the report the result table.
  const std::string specs = " --specs " + shell_quoted(dir.file("specs.txt"));
  ASSERT_EQ(cli("query " + out_dir() + specs), 0) << errors;
  for (const char* input : {"folder", "fifo"}) {
    for (const char* table : {"output_sounds.txt", "output_result.txt"}) {
      SCOPED_TRACE(std::string(table) + " as " + input);
      const fs::path path = dir.path() / table;
      const std::string kept = read_bytes(path);
      fs::remove(path);
      fs::rename(dir.path() / input, path);
      const bool query = std::string(table) == "output_sounds.txt";
      EXPECT_EQ(cli(query ? "query " + out_dir() + specs : "report " + out_dir()), 1) << errors;
      fs::rename(path, dir.path() / input);
      write_bytes(path, kept);
    }
  }
}

TEST_F(HostileInput, AsTheSideFilesOfARecording) {
  // A recording whose label file is a FIFO, and one whose text file is:
  // the first is listed as skipped, the second converts without its text.
  for (const char* side : {".imf", ".txt"}) {
    SCOPED_TRACE(side);
    ScratchDir corpus;
    ASSERT_EQ(run_program(shell_quoted(ZOR_GENERATOR_PATH) + " --out " +
                              shell_quoted(corpus.file("c")) + " --recordings 1 --seed 3",
                          dir, errors),
              0)
        << errors;
    fs::path file = corpus.path() / "c" / (std::string("s00001") + side);
    fs::remove(file);
    ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
    int status = cli("convert " + out_dir() + " --base y.txt " +
                     shell_quoted(corpus.file("c/s00001.wav")));
    EXPECT_NE(status, 124) << "hung";
    if (std::string(side) == ".imf")
      EXPECT_NE(errors.find("s00001.wav"), std::string::npos) << errors;
    else
      EXPECT_EQ(status, 0) << errors;
  }
}

TEST_F(HostileInput, ATabInASentenceTextStaysInsideItsField) {
  ScratchDir corpus;
  ASSERT_EQ(run_program(shell_quoted(ZOR_GENERATOR_PATH) + " --out " +
                            shell_quoted(corpus.file("c")) + " --recordings 1 --seed 3",
                        dir, errors),
            0);
  write_bytes(corpus.path() / "c" / "s00001.txt", "alma\tkorte\r\n");
  ASSERT_EQ(cli("convert " + out_dir() + " --base t.txt " + shell_quoted(corpus.file("c/s00001.wav"))),
            0)
      << errors;
  TextTable sentences;
  sentences.set_separator('\t');
  ASSERT_TRUE(sentences.load(dir.file("t_sentences.txt")));
  ASSERT_EQ(sentences.row_count(), 1);
  EXPECT_EQ(sentences.cell(1, 5).value_or(""), "alma\tkorte");
  EXPECT_TRUE(sentences.cell(1, 6).has_value());
  EXPECT_FALSE(sentences.cell(1, 7).has_value());
}

}  // namespace
}  // namespace zor::test
