#include "wizard/annotation_settings.h"

#include <QString>

#include "platform/encoding.h"

namespace zor::gui {
namespace {

const QString kSoundTier = QStringLiteral("textgrid/sound_tier");
const QString kWordTier = QStringLiteral("textgrid/word_tier");
const QString kSymbols = QStringLiteral("textgrid/symbols");

}  // namespace

AnnotationSettings AnnotationSettings::load(const QSettings& settings) {
  AnnotationSettings loaded;
  loaded.sound_tier = settings.value(kSoundTier).toString().toStdString();
  loaded.word_tier = settings.value(kWordTier).toString().toStdString();
  const QString symbols = settings.value(kSymbols, QStringLiteral("zor")).toString();
  loaded.symbols = symbols.isEmpty() ? std::string("zor") : to_cp1250(symbols.toStdString());
  return loaded;
}

void AnnotationSettings::save(QSettings& settings) const {
  settings.setValue(kSoundTier, QString::fromStdString(sound_tier));
  settings.setValue(kWordTier, QString::fromStdString(word_tier));
  settings.setValue(kSymbols, QString::fromStdString(from_cp1250(symbols)));
}

std::optional<AnnotationOptions> AnnotationSettings::options(std::string& reason) const {
  std::optional<SymbolSet> set = SymbolSet::named(symbols, reason);
  if (!set) return std::nullopt;
  return AnnotationOptions{{sound_tier, word_tier}, std::move(*set)};
}

}  // namespace zor::gui
