#pragma once
// How the wizard reads recordings annotated in TextGrids: the tier names and
// the symbol set the user chose on page 1, kept in the application settings
// from one session to the next.
#include <QSettings>
#include <optional>
#include <string>

#include "conversion/annotation_options.h"

namespace zor::gui {

struct AnnotationSettings {
  // UTF-8; empty tier names stand for the aligners' own.
  std::string sound_tier, word_tier;
  // "zor", "mfa", "sampa" or the path of the user's own table (Windows-1250).
  std::string symbols = "zor";

  static AnnotationSettings load(const QSettings& settings);
  void save(QSettings& settings) const;
  // nullopt, with the reason (Windows-1250), when the user's table cannot be used.
  std::optional<AnnotationOptions> options(std::string& reason) const;
};

}  // namespace zor::gui
