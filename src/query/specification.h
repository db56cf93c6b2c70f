#pragma once
// One specification: twelve texts, numbered as the page-4 list columns and
// the fields of a specification-file line.
#include <array>
#include <string>
#include <string_view>

namespace zor {

enum SpecField : int {
  kSpecName = 0,
  kSpecType,
  kSpecSound,
  kSpecBefore,
  kSpecAfter,
  kSpecWordPosition,
  kSpecSyllableCount,
  kSpecSentencePosition,
  kSpecTextWord,
  kSpecACount,
  kSpecECount,
  kSpecOtherLongCount,
  kSpecFieldCount
};

struct Specification {
  std::array<std::string, kSpecFieldCount> fields;

  const std::string& operator[](SpecField f) const { return fields[f]; }
  std::string& operator[](SpecField f) { return fields[f]; }
  bool operator==(const Specification&) const = default;
};

}  // namespace zor
