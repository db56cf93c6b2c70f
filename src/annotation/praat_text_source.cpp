#include "annotation/praat_text_source.h"

#include <algorithm>
#include <charconv>

#include "annotation/reason_text.h"

namespace zor {
namespace {

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool starts_number(char c) { return (c >= '0' && c <= '9') || c == '+' || c == '-'; }

// The longest numeric beginning of `word`; false when it has none. A "+" in
// front is allowed once (from_chars takes none).
bool number_prefix(std::string_view word, double& value) {
  if (word.size() > 1 && word[0] == '+' && word[1] != '-') word.remove_prefix(1);
  return std::from_chars(word.data(), word.data() + word.size(), value).ec == std::errc();
}

}  // namespace

std::string PraatTextSource::place() const {
  std::string_view before = text_.substr(0, position_);
  return std::to_string(1 + std::count(before.begin(), before.end(), '\n')) + ". sor";
}

PraatTextSource::Token PraatTextSource::next_token() {
  while (position_ < text_.size()) {
    char c = text_[position_];
    if (is_space(c)) {
      ++position_;
    } else if (c == '!') {
      size_t end = text_.find('\n', position_);
      position_ = end == std::string_view::npos ? text_.size() : end;
    } else if (c == '"') {
      return Token::string;
    } else if (c == '<') {
      return Token::enumerated;
    } else if (starts_number(c)) {
      return Token::number;
    } else {
      take_word();
    }
  }
  return Token::none;
}

std::string_view PraatTextSource::take_word() {
  size_t start = position_;
  while (position_ < text_.size() && !is_space(text_[position_])) ++position_;
  return text_.substr(start, position_ - start);
}

bool PraatTextSource::expect(Token wanted, Token found) {
  if (found == wanted) return true;
  auto name = [](Token token) -> std::string {
    switch (token) {
      case Token::none: return "a szöveg vége";
      case Token::number: return "szám";
      case Token::string: return "idézőjeles szöveg";
      case Token::enumerated: return "<felsorolt érték>";
    }
    return {};
  };
  return fail(name(wanted) + " helyett " + name(found) + " következik");
}

bool PraatTextSource::real(double& value) {
  for (;;) {
    if (!expect(Token::number, next_token())) return false;
    std::string_view word = take_word();
    // A lone "+" is passed over as Praat does (it stands between the parts
    // of a complex number).
    if (word == "+") continue;
    size_t slash = word.find('/');
    double numerator = 0, denominator = 1;
    bool ok = number_prefix(word.substr(0, slash), numerator);
    if (ok && slash != std::string_view::npos) {
      ok = number_prefix(word.substr(slash + 1), denominator) && denominator != 0;
    }
    if (!ok) return fail("hibás szám: " + quote_text(word));
    value = numerator / denominator;
    return true;
  }
}

bool PraatTextSource::integer(std::int64_t& value) {
  if (!expect(Token::number, next_token())) return false;
  std::string_view word = take_word();
  std::string_view digits = word;
  if (digits.size() > 1 && digits[0] == '+' && digits[1] != '-') digits.remove_prefix(1);
  if (std::from_chars(digits.data(), digits.data() + digits.size(), value).ec != std::errc())
    return fail("hibás egész szám: " + quote_text(word));
  return true;
}

bool PraatTextSource::text(std::string& utf8) {
  if (!expect(Token::string, next_token())) return false;
  const size_t opening = position_;
  std::string result;
  size_t from = position_ + 1;
  for (;;) {
    size_t quote = text_.find('"', from);
    if (quote == std::string_view::npos) {
      position_ = opening;
      return fail("a szöveg nincs lezárva idézőjellel");
    }
    result.append(text_.substr(from, quote - from));
    if (quote + 1 < text_.size() && text_[quote + 1] == '"') {
      result.push_back('"');
      from = quote + 2;
      continue;
    }
    position_ = quote + 1;
    break;
  }
  if (position_ < text_.size() && !is_space(text_[position_])) {
    return fail("a záró idézőjel után nem szóköz áll; a szövegbeli idézőjelet kettőzni kell");
  }
  utf8 = std::move(result);
  return true;
}

bool PraatTextSource::existence(bool& exists) {
  if (!expect(Token::enumerated, next_token())) return false;
  size_t close = position_;
  while (close < text_.size() && text_[close] != '>' && !is_space(text_[close])) ++close;
  if (close == text_.size() || text_[close] != '>')
    return fail("a <felsorolt érték> nincs lezárva");
  std::string_view value = text_.substr(position_ + 1, close - position_ - 1);
  position_ = close + 1;
  if (value == "exists") {
    exists = true;
  } else if (value == "absent") {
    exists = false;
  } else {
    return fail("<exists> vagy <absent> helyett " + quote_text("<" + std::string(value) + ">"));
  }
  return true;
}

}  // namespace zor
