#include "platform/encoding.h"

#include <gtest/gtest.h>

namespace zor {
namespace {

TEST(Utf16ToUtf8, DecodesEitherByteOrderWithSurrogatePairs) {
  // "ő€" and U+1F600, which takes a surrogate pair.
  const std::string big("\x01\x51\x20\xAC\xD8\x3D\xDE\x00", 8);
  const std::string little("\x51\x01\xAC\x20\x3D\xD8\x00\xDE", 8);
  EXPECT_EQ(utf16_to_utf8(big, true), "ő€\xF0\x9F\x98\x80");
  EXPECT_EQ(utf16_to_utf8(little, false), "ő€\xF0\x9F\x98\x80");
  // ASCII is two bytes a character here, not one.
  EXPECT_EQ(utf16_to_utf8(std::string("\0a\0b", 4), true), "ab");
  EXPECT_EQ(utf16_to_utf8("", true), "");
}

TEST(Utf16ToUtf8, ReplacesWhatIsNoCharacterAndGoesOn) {
  // A lone high surrogate, then "a"; and a last odd byte.
  EXPECT_EQ(utf16_to_utf8(std::string("\xD8\x3D\x00\x61", 4), true), "?a");
  EXPECT_EQ(utf16_to_utf8(std::string("\x00\x61\x00", 3), true), "a?");
}

TEST(IsValidUtf8, AcceptsWellFormedTextOnly) {
  EXPECT_TRUE(is_valid_utf8(""));
  EXPECT_TRUE(is_valid_utf8("plain ASCII"));
  EXPECT_TRUE(is_valid_utf8("őű ɒː t͡ʃ \xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF"));
  EXPECT_FALSE(is_valid_utf8("\xF5"));              // "ő" in Windows-1250
  EXPECT_FALSE(is_valid_utf8("\xC5"));              // a lead byte at the end
  EXPECT_FALSE(is_valid_utf8("\xC5x"));             // a lead byte without its follower
  EXPECT_FALSE(is_valid_utf8("\xC0\x80"));          // overlong zero
  EXPECT_FALSE(is_valid_utf8("\xE0\x80\xAF"));      // overlong "/"
  EXPECT_FALSE(is_valid_utf8("\xED\xA0\x80"));      // a surrogate
  EXPECT_FALSE(is_valid_utf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
  EXPECT_FALSE(is_valid_utf8("\x80"));              // a follower alone
}

TEST(Cp1250, StillConvertsBothWaysAfterTheUtf16Converters) {
  // The converters share their code; the byte encodings must still take the
  // ASCII shortcut and replace per character.
  EXPECT_EQ(to_cp1250("ő"), "\xF5");
  EXPECT_EQ(from_cp1250("\xF5"), "ő");
  EXPECT_EQ(to_cp1250("a\xF0\x9F\x98\x80"
                      "b"),
            "a?b");
}

}  // namespace
}  // namespace zor
