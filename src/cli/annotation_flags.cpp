#include "cli/annotation_flags.h"

#include "platform/encoding.h"

namespace zor {

void AnnotationFlags::add_to(CLI::App& command) {
  command.add_option("--sound-tier", sound_tier,
                     "TextGrid tier of the sounds (default: phones, MAU or SPEAKER - phones)");
  command.add_option("--word-tier", word_tier,
                     "TextGrid tier of the words (default: words, ORT-MAU or SPEAKER - words)");
  command.add_option("--symbols", symbols,
                     "How TextGrid sounds are spelled: zor, mfa, sampa or a file of symbol TAB label")
      ->capture_default_str();
}

std::optional<AnnotationOptions> AnnotationFlags::options(RunHost& host) const {
  std::string reason;
  // A built-in name is no path; a file name is the OS's.
  const bool built_in = symbols == "zor" || symbols == "mfa" || symbols == "sampa";
  std::optional<SymbolSet> set =
      SymbolSet::named(built_in ? symbols : from_native_file_name(symbols), reason);
  if (!set) {
    host.show_message("Cannot use the symbols " + from_native_file_name(symbols) + ": " + reason);
    return std::nullopt;
  }
  // Tier names are UTF-8 in a TextGrid; the terminal's text is taken as it is.
  return AnnotationOptions{{sound_tier, word_tier}, std::move(*set)};
}

}  // namespace zor
