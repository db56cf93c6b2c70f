// zor-cli convert as a program: a generated corpus with broken sets, the exit
// statuses and the messages on stderr.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdlib>
#include <map>
#include <set>

#include "cli/convert_step.h"
#include "cli/exit_status.h"
#include "platform/encoding.h"
#include "platform/file_io.h"
#include "support/test_files.h"
#include "cli/terminal_host.h"

namespace zor {
namespace {

using test::read_bytes;
using test::ScratchDir;

std::string shell_quoted(const std::string& text) { return "'" + text + "'"; }

// Runs a command line with stderr caught in a file; returns the exit status.
int run(const std::string& command, const ScratchDir& dir, std::string& error_output) {
  std::string error_file = dir.file("stderr.txt");
  int status = std::system((command + " >/dev/null 2>" + shell_quoted(error_file)).c_str());
  error_output = read_bytes(error_file);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string generate(const ScratchDir& dir, int recordings) {
  std::string ignored;
  std::string corpus = dir.file("corpus");
  EXPECT_EQ(run(shell_quoted(ZOR_GENERATOR_PATH) + " --out " + shell_quoted(corpus) + " --recordings " +
                    std::to_string(recordings) + " --seed 11 --broken",
                dir, ignored),
            0);
  return corpus;
}

std::vector<std::string> lines_of(const std::string& path) {
  std::vector<std::string> lines;
  EXPECT_TRUE(read_text_lines(path, lines)) << path;
  return lines;
}

// The paths listed after a heading line, up to the next empty line or heading.
std::set<std::string> listed_after(const std::string& heading, const std::string& output) {
  std::set<std::string> paths;
  size_t at = output.find(heading);
  if (at == std::string::npos) return paths;
  for (const std::string& line : split_text_lines(output.substr(at + heading.size()))) {
    if (line.empty() || line[0] != '/') break;
    paths.insert(line.substr(0, line.rfind(": ")));
  }
  return paths;
}

TEST(ConvertCommand, ListsEachBrokenSetUnderItsKindAndConvertsTheRest) {
  ScratchDir dir;
  std::string corpus = generate(dir, 100);
  std::string errors;
  ASSERT_EQ(run(shell_quoted(ZOR_CLI_PATH) + " convert --quiet --out-dir " + shell_quoted(dir.file("out")) +
                    " --list " + shell_quoted(corpus + "/list.txt"),
                dir, errors),
            kExitPartial)
      << errors;

  std::set<std::string> mismatched, unopened;
  std::set<int> codes;
  for (const std::string& line : lines_of(corpus + "/broken.txt")) {
    std::string path = line.substr(0, line.find('\t'));
    int code = std::stoi(line.substr(path.size() + 1));
    codes.insert(code);
    (code == 4 ? mismatched : unopened).insert(path);
  }
  EXPECT_EQ(codes, (std::set<int>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(listed_after("Eltérés van a pit és az imf fájlban lévő hangok számában:\n", errors),
            mismatched);
  EXPECT_EQ(listed_after("Nem tudtam megyitni a négyes minden elemét:\n", errors), unopened);
  // Each listed set says which side file and which check failed.
  for (const char* reason : {"az .imf állomány nem nyitható meg (No such file or directory)",
                             "a .pit állomány nem nyitható meg (No such file or directory)",
                             "a .pit állomány rövidebb a 36 bájtos fejlécnél",
                             "az .imf állomány első sora nem \"matrix\" szóval kezdődik",
                             "a .pit állomány azonosítója hibás", "a .pit állományban nincs hanghatár",
                             "hangot ír, a .pit állományban"})
    EXPECT_NE(errors.find(reason), std::string::npos) << reason << "\n" << errors;

  // Every other recording is a sentence row numbered by its place in the list.
  std::vector<std::string> list = lines_of(corpus + "/list.txt");
  std::map<std::string, std::string> expected_rows;
  for (size_t i = 0; i < list.size(); ++i) {
    if (!mismatched.count(list[i]) && !unopened.count(list[i])) {
      expected_rows[std::to_string(i + 1)] = from_native_file_name(list[i]);
    }
  }
  std::map<std::string, std::string> rows;
  std::vector<std::string> sentences = lines_of(dir.file("out/output_sentences.txt"));
  for (size_t i = 1; i < sentences.size(); ++i) {
    size_t tab = sentences[i].find('\t');
    rows[sentences[i].substr(0, tab)] =
        sentences[i].substr(tab + 1, sentences[i].find('\t', tab + 1) - tab - 1);
  }
  EXPECT_EQ(rows, expected_rows);
  EXPECT_EQ(expected_rows.size(), 100u - mismatched.size() - unopened.size());
}

TEST(ConvertCommand, GeneratorWritesTheSameCorpusForTheSameSeed) {
  ScratchDir first, second;
  std::string a = generate(first, 20), b = generate(second, 20);
  size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(a)) {
    std::string name = entry.path().filename().string();
    if (name == "list.txt" || name == "broken.txt") continue;  // they hold the folder's path
    EXPECT_EQ(read_bytes(entry.path()), read_bytes(std::filesystem::path(b) / name)) << name;
    ++files;
  }
  EXPECT_GT(files, 60u);
}

TEST(ConvertCommand, ExitsWithTheStatusOfWhatWentWrong) {
  ScratchDir dir;
  std::string corpus = generate(dir, 3);
  const std::string cli = shell_quoted(ZOR_CLI_PATH) + " convert --quiet --out-dir " +
                          shell_quoted(dir.file("out"));
  struct Case {
    const char* name;
    std::string arguments;
    int status;
    std::string message;
  };
  test::write_bytes(dir.path() / "empty.txt", "");
  const std::vector<Case> cases = {
      {"no recordings", "", kExitUsage, "--list or at least one WAV file"},
      {"list and WAV files", " --list x a.wav", kExitUsage, "excludes"},
      {"unknown option", " --bogus a.wav", kExitUsage, "bogus"},
      {"missing label tree", " --labels " + shell_quoted(dir.file("nincs.txt")) + " a.wav", kExitFailed,
       "Cannot read the label-tree file " + dir.file("nincs.txt")},
      {"missing list", " --list " + shell_quoted(dir.file("lista.txt")), kExitFailed,
       "Cannot read the list file " + dir.file("lista.txt")},
      {"skipped recordings", " " + shell_quoted(corpus + "/s00001.wav") + " " + shell_quoted(dir.file("x.wav")),
       kExitPartial, "Nem tudtam megyitni a négyes minden elemét:\n" + dir.file("x.wav") +
           ": az .imf állomány nem nyitható meg (No such file or directory)\n"},
      {"nothing converted", " " + shell_quoted(dir.file("x.wav")), kExitFailed,
       "Nem tudtam megyitni a négyes minden elemét:\n" + dir.file("x.wav") +
           ": az .imf állomány nem nyitható meg (No such file or directory)\n"},
      {"empty output folder", " --out-dir '' a.wav", kExitUsage, "must not be empty"},
      {"unknown option with a required one missing", " --bogus", kExitUsage,
       "Unknown option --bogus for convert"},
      {"empty list", " --list " + shell_quoted(dir.file("empty.txt")), kExitFailed,
       "Nincs hangfájl megadva! Adja meg a hangfájlokat (WAV...) vagy a --list kapcsolót!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string errors;
    EXPECT_EQ(run(cli + c.arguments, dir, errors), c.status);
    EXPECT_NE(errors.find(c.message), std::string::npos) << errors;
  }
}

TEST(ConvertCommand, DrawsTheProgressBarOnATerminalUnlessQuiet) {
  ScratchDir dir;
  std::string corpus = generate(dir, 3);
  const std::string cli = shell_quoted(ZOR_CLI_PATH) + " convert --out-dir " +
                          shell_quoted(dir.file("out")) + " " + shell_quoted(corpus + "/s00001.wav") +
                          " " + shell_quoted(corpus + "/s00002.wav") + " " +
                          shell_quoted(dir.file("gone.wav"));
  // script(1) gives the program a terminal and copies what it writes there.
  auto on_terminal = [&](const std::string& command) {
    std::string output_file = dir.file("terminal.txt");
    std::string ignored;
    EXPECT_EQ(run("script -qec " + shell_quoted(command) + " " + shell_quoted(output_file), dir,
                  ignored),
              kExitPartial);
    return read_bytes(output_file);
  };
  std::string shown = on_terminal(cli);
  // Two of the three recordings converted; the bar ends on its own line.
  EXPECT_NE(shown.find("Konverzió [" + std::string(26, '#') + std::string(14, ' ') + "] 2/3\r\n"),
            std::string::npos)
      << shown;
  std::string quiet = on_terminal(cli + " --quiet");
  EXPECT_EQ(quiet.find("Konverzió"), std::string::npos) << quiet;
  EXPECT_NE(quiet.find("Nem tudtam megyitni"), std::string::npos) << quiet;
}

TEST(ConvertCommand, InterruptCancelsAfterTheCurrentRecording) {
  ScratchDir dir;
  std::string corpus = generate(dir, 5);
  ConvertOptions options;
  options.output.out_dir = dir.file("out");
  options.list_file = corpus + "/list.txt";
  TerminalHost host(true);
  std::raise(SIGINT);  // Ctrl-C before the first recording is done
  EXPECT_EQ(convert_recordings(options, host), kExitInterrupted);
  EXPECT_EQ(lines_of(dir.file("out/output_sentences.txt")).size(), 2u);
  ASSERT_FALSE(host.messages().empty());
  EXPECT_EQ(host.messages().front(), to_cp1250("A konverzió megszakítva!"));
}

}  // namespace
}  // namespace zor
