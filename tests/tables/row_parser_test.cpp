#include "tables/row_parser.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "tables/byte_masks.h"

namespace zor {
namespace {

// Bytes that every rule of a row reading meets, mostly plain ones.
std::string random_bytes(std::mt19937& random, size_t count, double special_share) {
  static const std::string plain = "abcXYZ019;,.\x80\xE9\xFF";
  static const std::string special = std::string("\t\n\r\\\0nN", 7);
  std::uniform_real_distribution<double> share(0.0, 1.0);
  std::string bytes;
  for (size_t i = 0; i < count; ++i) {
    const std::string& from = share(random) < special_share ? special : plain;
    bytes += from[random() % from.size()];
  }
  return bytes;
}

TEST(ByteMasks, MarkExactlyTheBytesOfEachKindOnAnyMachine) {
  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    const std::string block = random_bytes(random, kMaskBlock, 0.5);
    const char separator = round % 2 ? '\t' : ';';
    ByteMasks expected;
    for (size_t i = 0; i < kMaskBlock; ++i) {
      const char c = block[i];
      if (c == separator) expected.separators |= 1u << i;
      if (c == '\n') expected.lfs |= 1u << i;
      if (c == '\\' || c == '\r' || c == '\0') expected.escapes |= 1u << i;
    }
    for (const ByteMasks& masks : {byte_masks(block.data(), separator), byte_masks_portable(block.data(), separator)}) {
      ASSERT_EQ(masks.separators, expected.separators) << round;
      ASSERT_EQ(masks.lfs, expected.lfs) << round;
      ASSERT_EQ(masks.escapes, expected.escapes) << round;
    }
  }
}

// The row rules read byte by byte, as plainly as they are stated.
struct ReadRow {
  std::vector<std::string> fields;
  bool complete = false;
};

ReadRow read_row(const std::string& bytes, size_t& at, char separator, size_t kept) {
  ReadRow row;
  std::string field;
  bool ended_by_zero = false;
  auto end_field = [&] {
    if (row.fields.size() < kept) row.fields.push_back(field);
    field.clear();
    ended_by_zero = false;
  };
  auto dropped_cr = [&](size_t i) { return bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n'; };
  while (at < bytes.size()) {
    if (dropped_cr(at)) {
      ++at;
      continue;
    }
    char c = bytes[at++];
    if (c == '\n') {
      end_field();
      row.complete = true;
      return row;
    }
    if (c == separator) {
      end_field();
      continue;
    }
    if (c == '\\') {
      if (at == bytes.size()) break;
      if (dropped_cr(at)) ++at;
      c = bytes[at++];
      if (c == 'n' || c == 'N') c = '\n';
    }
    if (c == '\0') ended_by_zero = true;
    if (!ended_by_zero) field += c;
  }
  return row;
}

// Reads every row of `bytes` with the parser, in place or into a buffer of
// its own, or left where it stands where it may be, beside the byte-by-byte
// reading.
void expect_rows_read_as_stated(const std::string& bytes, char separator, size_t kept, bool in_place,
                                bool spaced_allowed = false) {
  const RowParser parser(separator, kept);
  std::string in = bytes;
  std::string separate(bytes.size(), '\0');
  char* const out = in_place ? in.data() : separate.data();
  std::vector<std::uint64_t> ends;
  size_t at = 0, written = 0, expected_at = 0;
  while (at < bytes.size()) {
    const size_t text_begin = written;
    const size_t row_begin = at;
    const RowParser::Row row = parser.parse(in.data(), at, in.size(), out, written, ends, spaced_allowed);
    const ReadRow expected = read_row(bytes, expected_at, separator, kept);
    ASSERT_EQ(row != RowParser::Row::cut, expected.complete) << "row at " << text_begin;
    ASSERT_TRUE(spaced_allowed || row != RowParser::Row::spaced);
    ASSERT_EQ(at, expected_at);
    const bool spaced = row == RowParser::Row::spaced;
    const char* const text = spaced ? in.data() + row_begin : out + text_begin;
    std::vector<std::string> fields;
    std::uint64_t begin = 0;
    for (std::uint64_t end : ends) {
      fields.emplace_back(text + begin, end - begin);
      begin = end + (spaced ? 1 : 0);
    }
    if (!expected.complete) return;  // a cut row keeps the fields it finished: not compared
    ASSERT_EQ(fields, expected.fields) << "row ending at " << at;
  }
}

TEST(RowParser, ReadsRowsOfEveryLengthAndByteAsTheRulesStateThem) {
  std::mt19937 random(11);
  for (int round = 0; round < 400; ++round) {
    // Plain tables, as nearly all are, and tables full of escapes and CRs.
    const double special_share = round % 4 == 0 ? 0.3 : 0.02;
    std::string bytes;
    for (int line = 0; line < 30; ++line) {
      std::string row = random_bytes(random, random() % 120, special_share);
      for (size_t i = 0; i < row.size(); ++i)
        if (row[i] != '\n' && random() % 6 == 0) row[i] = '\t';
      bytes += row + (random() % 2 ? "\r\n" : "\n");
    }
    const size_t kept = 1 + random() % 25;
    for (bool in_place : {true, false}) {
      SCOPED_TRACE(testing::Message() << "round " << round << " kept " << kept << " in place " << in_place);
      for (bool spaced_allowed : {false, true}) {
        expect_rows_read_as_stated(bytes, '\t', kept, in_place, spaced_allowed);
        bytes.pop_back();  // and once ending inside its last row
        expect_rows_read_as_stated(bytes, '\t', kept, in_place, spaced_allowed);
        bytes.push_back('\n');
      }
    }
  }
}

}  // namespace
}  // namespace zor
