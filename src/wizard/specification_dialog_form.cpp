#include "wizard/specification_dialog_form.h"

namespace zor {

namespace {

// The entry of `text` in `entries`, the last of several equal ones.
int last_entry_of(const std::vector<std::string>& entries, std::string_view text) {
  for (size_t index = entries.size(); index-- > 0;)
    if (entries[index] == text) return static_cast<int>(index);
  return kNoEntry;
}

int entry_or(const std::vector<std::string>& entries, std::string_view text, int fallback) {
  int entry = last_entry_of(entries, text);
  return entry == kNoEntry ? fallback : entry;
}

std::string entry_text(const std::vector<std::string>& entries, int entry) {
  if (entry < 0 || static_cast<size_t>(entry) >= entries.size()) return {};
  return entries[static_cast<size_t>(entry)];
}

// The text between the first and the last byte; empty when it has fewer
// than three.
std::string_view inner(std::string_view text) {
  return text.size() > 2 ? text.substr(1, text.size() - 2) : std::string_view();
}

int sound_entry(std::string_view sound, const SpecificationChoices& choices) {
  if (!sound.empty() && sound.front() == '<') {
    int label = last_entry_of(choices.labels, inner(sound));
    return label == kNoEntry ? kNoEntry : static_cast<int>(choices.inventory.size()) + label;
  }
  if (!sound.empty() && sound.front() == '[') {
    int connection = last_entry_of(choices.connections, inner(sound));
    return connection == kNoEntry
               ? kNoEntry
               : static_cast<int>(choices.inventory.size() + choices.labels.size()) + connection;
  }
  return last_entry_of(choices.inventory, sound);
}

}  // namespace

std::vector<std::string> SpecificationChoices::sound_entries() const {
  std::vector<std::string> entries(inventory);
  for (const std::string& label : labels) entries.push_back("<" + label + ">");
  for (const std::string& connection : connections) entries.push_back("[" + connection + "]");
  return entries;
}

const std::vector<std::string>& syllable_operators() {
  static const std::vector<std::string> entries{">", "=", "<"};
  return entries;
}

const std::vector<std::string>& count_values() {
  static const std::vector<std::string> entries{"BARMENNYI", "0", "1", "2", "3", "4"};
  return entries;
}

const std::vector<std::string>& other_long_values() {
  static const std::vector<std::string> entries{"BARMENNYI", "0", "1 v. TOBB"};
  return entries;
}

const std::vector<std::string>& word_positions() {
  static const std::vector<std::string> entries{"BARMI", "ELSO", "BELSO", "UTOLSO"};
  return entries;
}

const std::vector<std::string>& sentence_positions() {
  static const std::vector<std::string> entries{"ELSO", "BELSO", "VESSZO ELOTT", "UTOLSO"};
  return entries;
}

SpecificationForm default_specification_form(const SpecificationChoices& choices) {
  SpecificationForm form;
  if (!choices.connections.empty()) form.before = form.after = 0;
  size_t sounds = choices.inventory.size() + choices.labels.size() + choices.connections.size();
  if (sounds > 1) form.sound = 1;
  return form;
}

Specification build_specification(const SpecificationForm& form,
                                  const SpecificationChoices& choices) {
  Specification record;
  record[kSpecName] = form.name;
  record[kSpecType] = form.sound_type ? "H" : "SZ";
  std::string op = entry_text(syllable_operators(), form.syllable_operator);
  record[kSpecSyllableCount] = (op.empty() ? op : op + " ") + form.syllable_number;
  record[kSpecACount] = entry_text(count_values(), form.a_count);
  record[kSpecECount] = entry_text(count_values(), form.e_count);
  record[kSpecOtherLongCount] = entry_text(other_long_values(), form.other_long_count);
  if (form.sound_type) {
    record[kSpecSound] = entry_text(choices.sound_entries(), form.sound);
    record[kSpecBefore] = entry_text(choices.connections, form.before);
    record[kSpecAfter] = entry_text(choices.connections, form.after);
    record[kSpecWordPosition] = entry_text(word_positions(), form.word_position);
  } else {
    record[kSpecSentencePosition] = entry_text(sentence_positions(), form.sentence_position);
    record[kSpecTextWord] = form.text_word ? "IGEN" : "NEM";
  }
  return record;
}

SpecificationForm decode_specification(const Specification& record,
                                       const SpecificationChoices& choices) {
  SpecificationForm form = default_specification_form(choices);
  form.name = record[kSpecName];
  form.sound_type = record[kSpecType] == "H";
  form.sound = sound_entry(record[kSpecSound], choices);
  form.before = entry_or(choices.connections, record[kSpecBefore], form.before);
  form.after = entry_or(choices.connections, record[kSpecAfter], form.after);
  form.word_position = entry_or(word_positions(), record[kSpecWordPosition], form.word_position);
  const std::string& syllables = record[kSpecSyllableCount];
  if (syllables.size() > 2) {
    form.syllable_operator =
        entry_or(syllable_operators(), syllables.substr(0, 1), form.syllable_operator);
    form.syllable_number = syllables.substr(2);
  }
  form.sentence_position =
      entry_or(sentence_positions(), record[kSpecSentencePosition], form.sentence_position);
  form.text_word = record[kSpecTextWord] == "IGEN";
  form.a_count = entry_or(count_values(), record[kSpecACount], form.a_count);
  form.e_count = entry_or(count_values(), record[kSpecECount], form.e_count);
  form.other_long_count =
      entry_or(other_long_values(), record[kSpecOtherLongCount], form.other_long_count);
  return form;
}

}  // namespace zor
