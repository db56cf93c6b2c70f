// Runs long enough to be killed or met by another: a run killed mid-write (as
// by kill -9 or a power cut) leaves the previous outputs byte for byte, and
// the next run cleans up and replaces them; a second run into the same
// outputs is refused while the first goes on.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "cli/query_cli_support.h"

extern char** environ;

namespace zor::test {
namespace {

namespace fs = std::filesystem;

// Starts a command line as a child process of its own (the shell replaced by
// the program, so the signal reaches the program).
pid_t start(const std::string& command) {
  std::string line = "exec " + command + " >/dev/null 2>&1";
  const char* arguments[] = {"sh", "-c", line.c_str(), nullptr};
  pid_t child = -1;
  EXPECT_EQ(posix_spawn(&child, "/bin/sh", nullptr, nullptr, const_cast<char**>(arguments),
                        environ),
            0);
  return child;
}

// Kills the child with SIGKILL as soon as `file` holds some bytes; false
// when the child ended before that.
bool kill_once_written(pid_t child, const fs::path& file) {
  for (;;) {
    std::error_code error;
    if (fs::exists(file, error) && fs::file_size(file, error) > 0 && !error) {
      kill(child, SIGKILL);
      int status = 0;
      waitpid(child, &status, 0);
      return WIFSIGNALED(status);
    }
    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) return false;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
}

class LongRun : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string ignored;
    // Large enough that each run takes a good part of a second.
    ASSERT_EQ(run_program(shell_quoted(ZOR_GENERATOR_PATH) + " --out " + corpus() +
                              " --recordings 3000 --seed 5",
                          dir, ignored),
              0);
  }

  std::string corpus() const { return shell_quoted(dir.file("corpus")); }
  std::string out_dir() const { return " --out-dir " + shell_quoted(dir.file("out")); }
  fs::path out(const char* name) const { return dir.path() / "out" / name; }
  std::string convert() const {
    return zor_cli() + " convert --quiet" + out_dir() + " --list " +
           shell_quoted(dir.file("corpus/list.txt"));
  }

  ScratchDir dir;
};

TEST_F(LongRun, AKilledConvertLeavesThePreviousTables) {
  fs::create_directory(dir.path() / "out");
  const char* tables[] = {"output_sentences.txt", "output_words.txt", "output_sounds.txt"};
  for (const char* table : tables) write_bytes(out(table), std::string("old ") + table);

  ASSERT_TRUE(kill_once_written(start(convert()), out("output_sounds.txt.zor-tmp")))
      << "the conversion ended before it could be killed";
  for (const char* table : tables) EXPECT_EQ(read_bytes(out(table)), std::string("old ") + table);

  std::string errors;
  ASSERT_EQ(run_program(convert(), dir, errors), 0) << errors;
  for (const char* table : tables) {
    EXPECT_NE(read_bytes(out(table)).substr(0, 4), "old ") << table;
    EXPECT_FALSE(fs::exists(out(table).string() + ".zor-tmp")) << table;
  }
}

TEST_F(LongRun, AKilledQueryLeavesThePreviousResults) {
  std::string errors;
  ASSERT_EQ(run_program(convert(), dir, errors), 0) << errors;
  // Many specifications that all find hits keep the query writing for a while.
  std::string specs;
  for (int i = 0; i < 40; ++i)
    specs += "v" + std::to_string(i) +
             "\tH\t<V>\t<BARMI>;<BARMI>;<BARMI>\t<BARMI>;<BARMI>;<BARMI>\tBARMI\t> 0\t\t\t"
             "BARMENNYI\tBARMENNYI\tBARMENNYI\r\n";
  write_bytes(dir.path() / "specs.txt", specs);
  write_bytes(out("output_result.txt"), "old result");
  write_bytes(out("output_result_dev.txt"), "old distribution");

  const std::string query =
      zor_cli() + " query --quiet" + out_dir() + " --specs " + shell_quoted(dir.file("specs.txt"));
  ASSERT_TRUE(kill_once_written(start(query), out("output_result_dev.txt.zor-tmp")))
      << "the query ended before it could be killed";
  EXPECT_EQ(read_bytes(out("output_result.txt")), "old result");
  EXPECT_EQ(read_bytes(out("output_result_dev.txt")), "old distribution");

  ASSERT_EQ(run_program(query, dir, errors), 0) << errors;
  EXPECT_NE(read_bytes(out("output_result.txt")), "old result");
  EXPECT_FALSE(fs::exists(out("output_result_dev.txt.zor-tmp")));
}

TEST_F(LongRun, ASecondRunIntoTheSameOutputsIsRefused) {
  pid_t first = start(convert());
  // Wait until the first run is writing, so it holds the lock.
  while (!fs::exists(out("output_sounds.txt.zor-tmp")))
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  std::string errors;
  EXPECT_EQ(run_program(convert(), dir, errors), 1);
  EXPECT_NE(errors.find("éppen egy másik futás ír:\n" + dir.file("out") + "/"), std::string::npos)
      << errors;
  int status = 0;
  waitpid(first, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_FALSE(fs::exists(out("output.txt.zor-lock")));

  // Another base name in the same folder is another output.
  EXPECT_EQ(run_program(convert() + " --base other.txt", dir, errors), 0) << errors;
}

}  // namespace
}  // namespace zor::test
