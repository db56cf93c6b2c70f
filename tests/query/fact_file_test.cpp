#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/mapped_file.h"
#include "query/fact_file.h"
#include "support/test_files.h"

namespace zor {
namespace {

// Sections of any size, empty ones too, come back item for item, each
// viewed in place at a multiple of 64 bytes of the mapped file.
TEST(FactFile, SectionsComeBackAsWritten) {
  test::ScratchDir dir;
  const std::string path = dir.file("facts");
  const std::vector<std::uint8_t> bytes = {1, 2, 3};
  const std::vector<std::int64_t> numbers = {-1, 0, INT64_MAX};
  const std::vector<std::string_view> texts = {"", "alma", std::string_view("\0;\n", 3), ""};
  {
    TextFileWriter file;
    ASSERT_TRUE(file.open_replacing(path));
    FactFileWriter writer(file);
    writer.put(std::span<const std::uint8_t>(bytes));
    writer.put(std::span<const std::int32_t>());
    writer.put(std::span<const std::int64_t>(numbers));
    writer.put_texts(texts);
    writer.put_value(std::uint32_t{7});
    ASSERT_TRUE(file.close());
  }
  const std::unique_ptr<MappedFile> mapped = MappedFile::open(path);
  ASSERT_TRUE(mapped);
  FactFileReader reader(mapped->bytes());
  EXPECT_TRUE(reader.unchanged());
  const FactColumn<std::uint8_t> read_bytes = reader.column<std::uint8_t>();
  EXPECT_EQ(std::vector<std::uint8_t>(read_bytes.begin(), read_bytes.end()), bytes);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(read_bytes.data()) % 64, 0u);
  EXPECT_TRUE(reader.column<std::int32_t>().empty());
  const FactColumn<std::int64_t> read_numbers = reader.column<std::int64_t>();
  EXPECT_EQ(std::vector<std::int64_t>(read_numbers.begin(), read_numbers.end()), numbers);
  EXPECT_EQ(reader.texts(), texts);
  EXPECT_EQ(reader.value<std::uint32_t>(), 7u);
  EXPECT_TRUE(reader.intact());
  EXPECT_TRUE(reader.at_end());
  // Past the end, and a section taken as items of another size, are not intact.
  EXPECT_TRUE(reader.column<std::uint8_t>().empty());
  EXPECT_FALSE(reader.intact());
  FactFileReader again(mapped->bytes());
  EXPECT_TRUE(again.column<std::uint16_t>().empty());
  EXPECT_FALSE(again.intact());
}

}  // namespace
}  // namespace zor
