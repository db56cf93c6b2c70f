#pragma once
// The values of a Praat text file, read as Praat reads them: only a number, a
// "string" or an <enumerated value> standing free (between white space or
// the ends of the text) is data; every other word is a comment, and so is
// the rest of a line after a word that starts with "!". That is why the long
// form ("xmin = 0") and the short form ("0") read alike.
#include <string>
#include <string_view>

#include "annotation/grid_source.h"

namespace zor {

class PraatTextSource : public GridSource {
 public:
  // `text` is UTF-8 with LF line ends, and must outlive the source.
  explicit PraatTextSource(std::string_view text) : text_(text) {}

  // A number is a word that starts with a digit, "+" or "-" (".5" is a
  // comment). It counts by its longest numeric beginning ("2.3!x" is 2.3),
  // and "a/b" by the quotient, as in Praat.
  bool real(double& value) override;
  // An integer counts by its integer beginning ("3.5" is 3).
  bool integer(std::int64_t& value) override;
  // "" within a string stands for one quote; a string may span lines.
  bool text(std::string& utf8) override;
  bool existence(bool& exists) override;
  bool class_name(std::string& name) override { return text(name); }

  // The shortest forms, with a separator after each value: 0 0 "" for an
  // interval, 0 "" for a point, "TextTier" "" 0 0 0 for a tier.
  size_t smallest_interval() const override { return 7; }
  size_t smallest_point() const override { return 5; }
  size_t smallest_tier() const override { return 19; }
  size_t bytes_left() const override { return text_.size() - position_; }
  std::string place() const override;

 private:
  enum class Token { none, number, string, enumerated };
  // Moves to the start of the next data token, past comments.
  Token next_token();
  std::string_view take_word();
  bool expect(Token wanted, Token found);

  std::string_view text_;
  size_t position_ = 0;
};

}  // namespace zor
