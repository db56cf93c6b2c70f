#include "annotation/symbol_set.h"

#include <array>

#include "annotation/reason_text.h"
#include "annotation/text_decoding.h"
#include "platform/encoding.h"
#include "platform/file_io.h"

namespace zor {
namespace {

constexpr std::string_view kPause = "_";
constexpr std::array<std::string_view, 6> kPauseSymbols = {"sil", "sp", "spn", "<p:>", "#", "_"};

// The ZOR letters of the consonants, each one a label.
constexpr std::string_view kConsonantLetters = "bpdtgkGTmnNjhvfzscZSClr";

struct Entry {
  std::string_view symbol, label;
};

}  // namespace

std::string_view trim_blanks(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool SymbolSet::is_pause(std::string_view utf8_text) {
  std::string_view text = trim_blanks(utf8_text);
  if (text.empty()) return true;
  for (std::string_view pause : kPauseSymbols) {
    if (text == pause) return true;
  }
  return false;
}

void SymbolSet::add(std::string symbol, std::string_view label, bool is_long) {
  sounds_[std::move(symbol)] = Sound{std::string(label), is_long};
}

void SymbolSet::add_consonant(const std::string& symbol, std::string_view label,
                              std::string_view long_mark) {
  add(symbol, label, false);
  add(symbol + std::string(long_mark), label, true);
}

std::optional<SymbolSet::Sound> SymbolSet::find(std::string_view utf8_symbol) const {
  if (is_pause(utf8_symbol)) return Sound{std::string(kPause), false};
  auto found = sounds_.find(std::string(trim_blanks(utf8_symbol)));
  if (found == sounds_.end()) return std::nullopt;
  return found->second;
}

SymbolSet SymbolSet::zor() {
  SymbolSet set;
  for (std::string_view vowel : {"a", "e", "i", "o", "u", "O", "U"})
    set.add(std::string(vowel), vowel, false);
  for (std::string_view vowel : {"A:", "E:", "i:", "o:", "u:", "O:", "U:"})
    set.add(std::string(vowel), vowel, true);
  for (char letter : kConsonantLetters) {
    std::string symbol(1, letter);
    set.add_consonant(symbol, symbol, ":");
  }
  return set;
}

SymbolSet SymbolSet::mfa() {
  static constexpr Entry kShortVowels[] = {{"ɒ", "a"}, {"ɛ", "e"}, {"i", "i"}, {"o", "o"},
                                           {"u", "u"}, {"ø", "O"}, {"y", "U"}};
  static constexpr Entry kLongVowels[] = {{"aː", "A:"}, {"eː", "E:"}, {"iː", "i:"}, {"oː", "o:"},
                                          {"uː", "u:"}, {"øː", "O:"}, {"yː", "U:"}};
  // Beside the plain table, the forms the aligner also writes: IPA's own
  // "ɡ", affricates with a tie bar or as one letter, and "ŋ", which Hungarian
  // hears as n.
  static constexpr Entry kConsonants[] = {
      {"b", "b"},  {"p", "p"},  {"d", "d"},  {"t", "t"}, {"g", "g"}, {"ɡ", "g"},
      {"k", "k"},  {"ɟ", "G"},  {"c", "T"},  {"m", "m"}, {"n", "n"}, {"ŋ", "n"},
      {"ɲ", "N"},  {"j", "j"},  {"h", "h"},  {"v", "v"}, {"f", "f"}, {"z", "z"},
      {"s", "s"},  {"ts", "c"}, {"t͡s", "c"}, {"ʦ", "c"}, {"ʒ", "Z"}, {"ʃ", "S"},
      {"tʃ", "C"}, {"t͡ʃ", "C"}, {"ʧ", "C"},  {"l", "l"}, {"r", "r"}};
  SymbolSet set;
  for (const Entry& vowel : kShortVowels) set.add(std::string(vowel.symbol), vowel.label, false);
  for (const Entry& vowel : kLongVowels) set.add(std::string(vowel.symbol), vowel.label, true);
  for (const Entry& consonant : kConsonants) {
    set.add_consonant(std::string(consonant.symbol), consonant.label, "ː");
  }
  return set;
}

SymbolSet SymbolSet::sampa() {
  static constexpr Entry kShortVowels[] = {{"O", "a"}, {"E", "e"}, {"i", "i"}, {"o", "o"},
                                           {"u", "u"}, {"2", "O"}, {"y", "U"}};
  static constexpr Entry kLongVowels[] = {{"a:", "A:"}, {"e:", "E:"}, {"i:", "i:"}, {"o:", "o:"},
                                          {"u:", "u:"}, {"2:", "O:"}, {"y:", "U:"}};
  static constexpr Entry kConsonants[] = {
      {"b", "b"},  {"p", "p"},  {"d", "d"}, {"t", "t"},  {"g", "g"}, {"k", "k"},
      {"d'", "G"}, {"t'", "T"}, {"m", "m"}, {"n", "n"},  {"J", "N"}, {"N", "n"},
      {"j", "j"},  {"h", "h"},  {"v", "v"}, {"f", "f"},  {"z", "z"}, {"s", "s"},
      {"ts", "c"}, {"Z", "Z"},  {"S", "S"}, {"tS", "C"}, {"l", "l"}, {"r", "r"}};
  SymbolSet set;
  for (const Entry& vowel : kShortVowels) set.add(std::string(vowel.symbol), vowel.label, false);
  for (const Entry& vowel : kLongVowels) set.add(std::string(vowel.symbol), vowel.label, true);
  for (const Entry& consonant : kConsonants) {
    const std::string symbol(consonant.symbol);
    set.add_consonant(symbol, consonant.label, ":");
    // WebMAUS also writes a long consonant as its symbol twice ("tt").
    set.add(symbol + symbol, consonant.label, true);
  }
  return set;
}

std::optional<SymbolSet> SymbolSet::named(std::string_view name_or_path, std::string& reason) {
  if (name_or_path == "zor") return zor();
  if (name_or_path == "mfa") return mfa();
  if (name_or_path == "sampa") return sampa();

  std::string bytes;
  InputError error;
  if (!read_file_bytes(name_or_path, bytes, kMaxInputBytes, &error)) {
    reason = to_cp1250("A hangjeltábla nem olvasható: ") + std::string(name_or_path) + " (" +
             to_cp1250(input_error_text(error)) + ")";
    return std::nullopt;
  }
  const std::string text = decode_text_file(bytes);
  const SymbolSet labels = zor();
  SymbolSet set;
  size_t line_number = 0;
  auto bad_line = [&](std::string_view why) {
    reason = to_cp1250("A hangjeltábla " + std::to_string(line_number) +
                       ". sora hibás: " + std::string(why));
    return std::nullopt;
  };
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string_view line = std::string_view(text).substr(start, end - start);
    start = end + 1;
    ++line_number;
    if (trim_blanks(line).empty() || line.front() == '#') continue;
    size_t tab = line.find('\t');
    if (tab == std::string_view::npos || line.find('\t', tab + 1) != std::string_view::npos) {
      return bad_line("nem „jel TAB címke” alakú");
    }
    std::string_view symbol = trim_blanks(line.substr(0, tab));
    std::string_view label = trim_blanks(line.substr(tab + 1));
    if (symbol.empty()) return bad_line("üres a jel");
    std::optional<Sound> sound;
    if (label == kPause) {
      sound = Sound{std::string(kPause), false};
    } else if (!is_pause(label)) {
      sound = labels.find(label);
    }
    if (!sound) return bad_line("a(z) " + quote_text(label) + " nem ZOR-címke");
    if (is_pause(symbol) && sound->label != kPause) {
      return bad_line("a(z) " + quote_text(symbol) + " szünetjel, csak szünet (_) lehet");
    }
    if (!set.sounds_.emplace(std::string(symbol), *sound).second) {
      return bad_line("a(z) " + quote_text(symbol) + " jel másodszor szerepel");
    }
  }
  if (set.sounds_.empty()) {
    reason = to_cp1250("A hangjeltábla üres: ") + std::string(name_or_path);
    return std::nullopt;
  }
  return set;
}

}  // namespace zor
