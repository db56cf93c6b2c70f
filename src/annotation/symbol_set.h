#pragma once
// How the sounds of a TextGrid's sound tier are spelled, and the ZOR label of
// each symbol. The built-in sets are ZOR's own labels, the IPA of the Montreal
// Forced Aligner's Hungarian models, and the Hungarian SAMPA of WebMAUS; a
// user's set is a two-column file.
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace zor {

class SymbolSet {
 public:
  struct Sound {
    std::string label;  // ZOR label, Windows-1250; "_" is the pause
    bool is_long = false;
    bool operator==(const Sound&) const = default;
  };

  // ZOR's labels: a vowel with ":" is long and keeps it in its label ("A:");
  // a consonant letter with ":" is the long consonant ("k:" is a long "k").
  static SymbolSet zor();
  // ɒ aː ɛ eː i iː o oː u uː ø øː y yː, consonants with "ː" when long.
  static SymbolSet mfa();
  // O a: E e: i i: o o: u u: 2 2: y y:, consonants long with ":" or doubled.
  static SymbolSet sampa();

  // "zor", "mfa", "sampa", or the path of a two-column file (symbol TAB label, UTF-8;
  // label in ZOR's notation). nullopt + Hungarian cp1250 reason when the file is bad.
  // The path is Windows-1250, as all the program's paths are. In the file, blank lines
  // and lines starting with "#" are skipped.
  static std::optional<SymbolSet> named(std::string_view name_or_path, std::string& reason);

  // The sound for a symbol written in the TextGrid (UTF-8); nullopt when unknown. Empty
  // text and the pause symbols give the pause. White space around the symbol is ignored.
  std::optional<Sound> find(std::string_view utf8_symbol) const;

  // Whether the text, without the white space around it, is empty or one of the pause
  // symbols every set shares: sil, sp, spn, <p:>, #, _.
  static bool is_pause(std::string_view utf8_text);

 private:
  void add(std::string symbol, std::string_view label, bool is_long);
  // Each symbol as it stands, and long with the mark `long_mark` after it.
  void add_consonant(const std::string& symbol, std::string_view label, std::string_view long_mark);

  std::unordered_map<std::string, Sound> sounds_;
};

// White space (space, tab, CR, LF) cut from both ends.
std::string_view trim_blanks(std::string_view text);

}  // namespace zor
