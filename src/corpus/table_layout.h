#pragma once
// The columns of the five tables a corpus is kept in: the sentence, word and
// sound tables of a conversion, the result and distribution tables of a
// query. Writers build their header lines from here and readers take their
// column numbers and names from here, so a table's layout is said once.
#include <array>
#include <span>
#include <string>
#include <string_view>

namespace zor {

class TableLayout {
 public:
  constexpr explicit TableLayout(std::span<const std::string_view> names) : names_(names) {}

  constexpr int column_count() const { return static_cast<int>(names_.size()); }
  // The header of a 1-based column.
  constexpr std::string_view name(int column) const { return names_[static_cast<size_t>(column - 1)]; }
  // The names joined by TABs, ending in "\n".
  std::string header_line() const;

 private:
  std::span<const std::string_view> names_;
};

// The neighbour columns of a sound come in this order: third, second, first
// sound before; first, second, third sound after.
inline constexpr int kNeighbourCount = 6;

namespace sentence_column {
inline constexpr int kNumber = 1, kPath = 2, kDuration = 3, kSounds = 4, kText = 5, kSyllables = 6;
}
namespace word_column {
inline constexpr int kNumber = 1, kSentence = 2, kDuration = 3, kSounds = 4, kSyllables = 5,
                     kPosition = 6, kTextWord = 7;
}
namespace sound_column {
inline constexpr int kNumber = 1, kWord = 2, kSentence = 3, kSymbol = 4, kLabels = 5,
                     kDuration = 6, kPosition = 7, kShort = 8;
// The symbol and label-list columns of the neighbours, in neighbour order.
inline constexpr int kNeighbourSymbol[kNeighbourCount] = {9, 11, 13, 15, 17, 19};
inline constexpr int kNeighbourLabels[kNeighbourCount] = {10, 12, 14, 16, 18, 20};
}  // namespace sound_column
namespace result_column {
inline constexpr int kName = 1, kType = 2, kCount = 3, kMean = 4, kMin = 5, kMax = 6;
}
namespace distribution_column {
inline constexpr int kName = 1, kType = 2, kInterval = 3, kOccurrence = 4;
}

namespace table_names {
inline constexpr std::array<std::string_view, 6> kSentences = {
    "MONDAT_SORSZ", "ELERESI_UT", "MONDAT_HOSSZ", "MONDAT_HANGSOR", "MONDAT_HANGSOR_TXT",
    "MONDAT_SZOTAGSZAM"};
inline constexpr std::array<std::string_view, 7> kWords = {
    "SZO_SORSZ", "MONDAT_SORSZ", "SZO_HOSSZ", "SZO_HANGSOR", "SZO_SZOTAGSZAM", "SZO_POZ",
    "SZO_SZOVEGSZO"};
// The second following sound's label column has always been headed like the
// third's; readers find the neighbour columns by position, so it stays.
inline constexpr std::array<std::string_view, 20> kSounds = {
    "HANG_SORSZ",          "SZO_SORSZ",     "MONDAT_SORSZ",        "HANG",
    "HANG_CIMKE",          "HANG_HOSSZ",    "HANG_POZ",            "HANG_RH",
    "HANG_ELOTTE_3",       "HANG_ELOTTE_3_CIMKE", "HANG_ELOTTE_2", "HANG_ELOTTE_2_CIMKE",
    "HANG_ELOTTE_1",       "HANG_ELOTTE_1_CIMKE", "HANG_UTANA_1",  "HANG_UTANA_1_CIMKE",
    "HANG_UTANA_2",        "HANG_UTANA_3_CIMKE",  "HANG_UTANA_3",  "HANG_UTANA_3_CIMKE"};
inline constexpr std::array<std::string_view, 6> kResult = {
    "EREDMENY_SPECNEV", "EREDMENY_SPECTIPUS", "EREDMENY_DB", "EREDMENY_ATLAG", "EREDMENY_MIN",
    "EREDMENY_MAX"};
inline constexpr std::array<std::string_view, 4> kDistribution = {
    "EREDMENYSZ_SPECNEV", "EREDMENYSZ_SPECTIPUS", "EREDMENYSZ_INTERV", "EREDMENYSZ_DB"};
}  // namespace table_names

inline constexpr TableLayout kSentenceTable{table_names::kSentences};
inline constexpr TableLayout kWordTable{table_names::kWords};
inline constexpr TableLayout kSoundTable{table_names::kSounds};
inline constexpr TableLayout kResultTable{table_names::kResult};
inline constexpr TableLayout kDistributionTable{table_names::kDistribution};

}  // namespace zor
