// Saving the label tree, the connections and the specifications: a save that
// fails leaves the user's previous file exactly as it was and no temporary
// behind; a save that succeeds keeps the file's permissions and does not pull
// the old text from under a reader.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "file_size_limit.h"
#include "platform/file_io.h"
#include "query/connection_list.h"
#include "corpus/label_tree.h"
#include "query/specification_list.h"
#include "support/test_files.h"

namespace zor {
namespace {

namespace fs = std::filesystem;
using test::read_bytes;
using test::ScratchDir;
using test::write_bytes;

constexpr std::string_view kPrevious = "the user's previous file\r\n";

struct UserFile {
  const char* name;
  std::function<bool(std::string_view path)> save;  // a list that needs far more than 64 bytes
};

std::vector<UserFile> user_files() {
  return {
      {"label tree",
       [](std::string_view path) {
         LabelTree tree;
         tree.build_default_tree();
         return save_label_tree(tree, path);
       }},
      {"connections",
       [](std::string_view path) {
         ConnectionList list;
         for (int i = 0; i < 20; ++i) list.append({{"<BARMI>", "V", "<SEMMI>"}});
         return save_connections(list, path);
       }},
      {"specifications",
       [](std::string_view path) {
         SpecificationList list;
         Specification record;
         for (size_t f = 0; f < record.fields.size(); ++f) record.fields[f] = "field";
         for (int i = 0; i < 20; ++i) list.append(record);
         return save_specifications(list, path);
       }},
  };
}

std::vector<std::string> folder_names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class AtomicSave : public testing::TestWithParam<UserFile> {
 protected:
  ScratchDir dir_;
  std::string path_ = dir_.file("lista.txt");
};

TEST_P(AtomicSave, AFullDiskKeepsThePreviousFileAndLeavesNoTemporary) {
  write_bytes(path_, kPrevious);
  {
    test::FileSizeLimit full_after(64);
    EXPECT_FALSE(GetParam().save(path_));
  }
  EXPECT_EQ(read_bytes(path_), kPrevious);
  EXPECT_EQ(folder_names(dir_.path()), std::vector<std::string>{"lista.txt"});
}

TEST_P(AtomicSave, AMissingFolderFailsAndCreatesNothing) {
  EXPECT_FALSE(GetParam().save(dir_.file("gone/lista.txt")));
  EXPECT_TRUE(folder_names(dir_.path()).empty());
}

TEST_P(AtomicSave, ASuccessfulSaveReplacesTheFileAndLeavesNoTemporary) {
  write_bytes(path_, kPrevious);
  ASSERT_TRUE(GetParam().save(path_));
  std::string saved = read_bytes(path_);
  EXPECT_NE(saved, kPrevious);
  EXPECT_NE(saved.find("\r\n"), std::string::npos);
  EXPECT_EQ(folder_names(dir_.path()), std::vector<std::string>{"lista.txt"});
}

TEST_P(AtomicSave, KeepsThePermissionsOfTheReplacedFile) {
  write_bytes(path_, kPrevious);
  fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(GetParam().save(path_));
  EXPECT_EQ(fs::status(path_).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_P(AtomicSave, AReaderOfTheOldFileGoesOnReadingTheOldText) {
  write_bytes(path_, kPrevious);
  std::ifstream reader(path_, std::ios::binary);
  ASSERT_TRUE(GetParam().save(path_));
  std::string old_text(std::istreambuf_iterator<char>(reader), {});
  EXPECT_EQ(old_text, kPrevious);
}

TEST_P(AtomicSave, ThroughALinkReplacesTheLinkedFileAndKeepsTheLink) {
  fs::create_directory(dir_.path() / "real");
  write_bytes(dir_.path() / "real" / "lista.txt", kPrevious);
  fs::create_symlink(dir_.path() / "real" / "lista.txt", path_);
  ASSERT_TRUE(GetParam().save(path_));
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_NE(read_bytes(dir_.path() / "real" / "lista.txt"), kPrevious);
  EXPECT_EQ(folder_names(dir_.path() / "real"), std::vector<std::string>{"lista.txt"});
}

INSTANTIATE_TEST_SUITE_P(UserFiles, AtomicSave, testing::ValuesIn(user_files()),
                         [](const testing::TestParamInfo<UserFile>& info) {
                           std::string name = info.param.name;
                           std::replace(name.begin(), name.end(), ' ', '_');
                           return name;
                         });

TEST(WriteFileAtomically, WritesADeviceInPlaceAndNeverReplacesIt) {
  // /dev/full takes the file but fails every write; it must stay the device.
  EXPECT_FALSE(write_file_atomically("/dev/full", std::string(1 << 17, 'x') + "\n"));
  struct stat status {};
  ASSERT_EQ(stat("/dev/full", &status), 0);
  EXPECT_TRUE(S_ISCHR(status.st_mode));
  EXPECT_FALSE(fs::exists("/dev/full.zor-tmp"));
}

}  // namespace
}  // namespace zor
