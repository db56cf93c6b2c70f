#include "literal_query.h"

#include <climits>
#include <cmath>
#include <cstdlib>

#include "corpus/label_tree.h"

namespace zor::test {
namespace {

std::string text(FieldText field) { return field ? std::string(*field) : std::string(); }

long long whole_ms(double value) {
  if (!std::isfinite(value) || std::trunc(value) < INT_MIN || std::trunc(value) > INT_MAX)
    return INT_MIN;
  return static_cast<long long>(std::trunc(value));
}

std::string part(const std::string& text, int k) {
  size_t a = text.find(';');
  size_t b = a == std::string::npos ? std::string::npos : text.find(';', a + 1);
  if (k == 0) return a == std::string::npos ? "" : text.substr(0, a);
  if (k == 1) return b == std::string::npos ? "" : text.substr(a + 1, b - a - 1);
  return b == std::string::npos ? text : text.substr(b + 1);
}

int count_of(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

bool digit_count_holds(const std::string& field, int n) {
  if (field == "BARMENNYI") return true;
  if (n > 4) return false;
  return field == std::to_string(n);
}

struct Syllables {
  std::string op = "=";
  double value = 0;
  explicit Syllables(const std::string& text) {
    if (text.empty()) return;
    op = text.substr(0, 1);
    long v = text.size() > 2 ? std::strtol(text.substr(2).c_str(), nullptr, 10) : 0;
    value = static_cast<double>(v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : v);
  }
};

class Evaluation {
 public:
  Evaluation(const Specification& spec, TextTable& words, TextTable& sounds, QueryFiles& out)
      : spec_(spec), words_(words), sounds_(sounds), out_(out), syllables_(spec[kSpecSyllableCount]) {}

  void run() {
    if (spec_[kSpecType] == "H")
      sound_walk();
    else
      word_walk();
    if (count_ > 0)
      out_.result += spec_[kSpecName] + "\t" + spec_[kSpecType] + "\t" + std::to_string(count_) +
                     "\t" + std::to_string(sum_ / count_) + "\t" + min_ + "\t" + max_ + "\n";
  }

 private:
  // The long-vowel conditions on the current word row.
  bool long_vowels_hold() {
    const std::string sounds = text(words_.field_at(4));
    int other = 0;
    for (const char* vowel : {"o:", "u:", "U:", "i:", "O:"}) other += count_of(sounds, vowel);
    const std::string& field = spec_[kSpecOtherLongCount];
    bool other_holds = field == "BARMENNYI" || (other == 0 && field == "0") ||
                       (other > 0 && field == "1 v. TOBB");
    return digit_count_holds(spec_[kSpecACount], count_of(sounds, "A:")) &&
           digit_count_holds(spec_[kSpecECount], count_of(sounds, "E:")) && other_holds;
  }

  void word_walk() {
    words_.move_first();
    words_.begin_search(1);
    while (words_.locate_number("SZO_SZOTAGSZAM", syllables_.op, syllables_.value)) {
      if (spec_[kSpecSentencePosition] != "BARMI" &&
          !words_.compare("SZO_POZ", "=", spec_[kSpecSentencePosition]))
        continue;
      if (!words_.compare("SZO_SZOVEGSZO", "=", spec_[kSpecTextWord])) continue;
      if (!long_vowels_hold()) continue;
      hit(whole_ms(words_.number_at(3)), "", text(words_.field_at(1)), text(words_.field_at(2)));
    }
    words_.end_search();
  }

  bool word_is_good() {
    const std::string number = text(sounds_.field_at(2));
    if (number == cached_word_) return cached_good_;
    cached_word_ = number;
    words_.move_first();
    words_.begin_search(1);
    cached_good_ = words_.locate("SZO_SORSZ", "=", number) &&
                   words_.compare_number("SZO_SZOTAGSZAM", syllables_.op, syllables_.value) &&
                   long_vowels_hold();
    words_.end_search();
    return cached_good_;
  }

  bool context_holds(const std::string& context, int first_column) {
    for (int k = 0; k < 3; ++k) {
      const std::string p = context.size() < 5 ? "" : part(context, k);
      const std::string sound = text(sounds_.field_at(first_column + 2 * k));
      const std::string labels = text(sounds_.field_at(first_column + 2 * k + 1));
      if (!(p == "<BARMI>" || (sound.empty() && p == "<SEMMI>") ||
            (!sound.empty() && in_comma_list(p, labels))))
        return false;
    }
    return true;
  }

  void candidate(long long duration) {
    if (!word_is_good()) return;
    if (spec_[kSpecWordPosition] != "BARMI" &&
        !sounds_.compare("HANG_POZ", "=", spec_[kSpecWordPosition]))
      return;
    if (!context_holds(spec_[kSpecBefore], 9) || !context_holds(spec_[kSpecAfter], 15)) return;
    hit(duration, text(sounds_.field_at(1)), text(sounds_.field_at(2)), text(sounds_.field_at(3)));
  }

  void sound_walk() {
    const std::string& sound = spec_[kSpecSound];
    sounds_.move_first();
    sounds_.begin_search(1);
    if (sound.size() > 2 && sound[0] == '<') {
      const std::string name = sound.substr(1, sound.size() - 2);
      for (bool on = sounds_.move_first(); on && !sounds_.eof(); sounds_.move_next()) {
        if (in_comma_list(name, text(sounds_.field_at(5)))) candidate(whole_ms(sounds_.number_at(6)));
      }
    } else if (sound.size() > 2 && sound[0] == '[') {
      const std::string inner = sound.substr(1, sound.size() - 2);
      std::vector<std::string> labels;
      for (int k = 0; k < 3 && inner.size() > 4; ++k) {
        std::string p = part(inner, k);
        if (!p.empty() && p != "<BARMI>" && p != "<SEMMI>") labels.push_back(p);
      }
      if (labels.empty()) return;
      const int label_columns[] = {5, 16, 18};
      for (bool on = sounds_.move_first(); on && !sounds_.eof(); sounds_.move_next()) {
        bool fits = true;
        for (size_t k = 0; k < labels.size(); ++k)
          fits = fits && in_comma_list(labels[k], text(sounds_.field_at(label_columns[k])));
        if (fits) {
          long long duration = whole_ms(sounds_.number_at(6));
          sounds_.save_bookmark();
          for (size_t k = 1; k < labels.size(); ++k)
            if (sounds_.move_next()) duration += whole_ms(sounds_.number_at(6));
          sounds_.restore_bookmark();
          candidate(duration);
        }
      }
    } else {
      while (sounds_.locate("HANG", "=", sound)) candidate(whole_ms(sounds_.number_at(6)));
      sounds_.end_search();
    }
  }

  void hit(long long d, const std::string& sound, const std::string& word, const std::string& sentence) {
    const std::string items = std::to_string(d) + ";" + sound + ";" + word + ";" + sentence;
    if (count_ == 0 || d < min_value_) min_value_ = d, min_ = items;
    if (count_ == 0 || d > max_value_) max_value_ = d, max_ = items;
    ++count_;
    sum_ += d;
    long long bound = d == 0 ? 10 : d % 10 == 0 ? d : (d / 10 + 1) * 10;
    out_.distribution += spec_[kSpecName] + "\t" + spec_[kSpecType] + "\t" + std::to_string(bound) +
                         "\t" + items + "\n";
  }

  const Specification& spec_;
  TextTable& words_;
  TextTable& sounds_;
  QueryFiles& out_;
  Syllables syllables_;
  std::string cached_word_;
  bool cached_good_ = false;
  long long count_ = 0, sum_ = 0, min_value_ = 0, max_value_ = 0;
  std::string min_, max_;
};

}  // namespace

QueryFiles literal_query(const std::vector<Specification>& specs, TextTable& words,
                         TextTable& sounds) {
  QueryFiles out;
  out.result = "EREDMENY_SPECNEV\tEREDMENY_SPECTIPUS\tEREDMENY_DB\tEREDMENY_ATLAG\tEREDMENY_MIN\tEREDMENY_MAX\n";
  out.distribution = "EREDMENYSZ_SPECNEV\tEREDMENYSZ_SPECTIPUS\tEREDMENYSZ_INTERV\tEREDMENYSZ_DB\n";
  for (const Specification& spec : specs) Evaluation(spec, words, sounds, out).run();
  return out;
}

}  // namespace zor::test
