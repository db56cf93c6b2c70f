#pragma once
// The state of the specification dialog without widgets: its defaults, the
// record it builds and how a stored record is shown in it.
#include <string>
#include <vector>

#include "query/specification.h"

namespace zor {

// The three lists the dialog offers, taken when it opens.
struct SpecificationChoices {
  std::vector<std::string> inventory;    // sound symbols of the label tree
  std::vector<std::string> labels;       // label names in pre-order
  std::vector<std::string> connections;  // connection texts of page 3's rows

  // The "Hang" entries: the symbols, then "<" name ">" for every label, then
  // "[" text "]" for every connection.
  std::vector<std::string> sound_entries() const;
};

// The fixed entries of the dialog's drop-down lists, in their order.
const std::vector<std::string>& syllable_operators();     // ">", "=", "<"
const std::vector<std::string>& count_values();           // "BARMENNYI", "0" .. "4"
const std::vector<std::string>& other_long_values();      // "BARMENNYI", "0", "1 v. TOBB"
const std::vector<std::string>& word_positions();         // "BARMI", "ELSO", "BELSO", "UTOLSO"
const std::vector<std::string>& sentence_positions();     // "ELSO", "BELSO", "VESSZO ELOTT", "UTOLSO"

// Each choice is the selected entry counted from 0, or kNoEntry.
inline constexpr int kNoEntry = -1;

struct SpecificationForm {
  bool sound_type = true;  // "H"; otherwise "SZ"
  std::string name;
  int syllable_operator = 0;
  std::string syllable_number = "0";
  int a_count = 0;
  int e_count = 0;
  int other_long_count = 0;
  int before = kNoEntry;
  int sound = kNoEntry;
  int after = kNoEntry;
  int word_position = 0;
  int sentence_position = 0;
  bool text_word = true;

  bool operator==(const SpecificationForm&) const = default;
};

// A new dialog: H, the first connection before and after, the second "Hang"
// entry, "> 0", "BARMENNYI" three times, "BARMI", "ELSO", text word ticked.
SpecificationForm default_specification_form(const SpecificationChoices& choices);

// The record of the dialog's state; the fields that do not apply to its type
// are empty, and so is any field whose entry is outside its list.
Specification build_specification(const SpecificationForm& form,
                                  const SpecificationChoices& choices);

// A stored record shown in a dialog, starting from the defaults: texts found
// in a list select their entry (the last of several equal ones), others keep
// the default; a "Hang" text that is in no list leaves "Hang" unselected.
SpecificationForm decode_specification(const Specification& record,
                                       const SpecificationChoices& choices);

}  // namespace zor
