#include "corpus/output_names.h"

#include "platform/c_text.h"
#include "platform/paths.h"

namespace zor {
namespace {

std::string_view trim(std::string_view text) {
  while (!text.empty() && is_c_space(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_c_space(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

OutputNames build_output_names(std::string_view directory, std::string_view base_text) {
  std::string_view base = trim(base_text);
  std::string_view extension = ".txt";
  if (!base.empty() && base.front() != '.' && base.back() != '.') {
    auto dot = base.find('.');
    if (dot != std::string_view::npos && dot > 0) {
      extension = base.substr(dot);
      base = base.substr(0, dot);
    }
  } else {
    base = "output";
  }
  std::string stem = std::string(directory) + std::string(base);
  auto name = [&](std::string_view suffix) {
    return stem + std::string(suffix) + std::string(extension);
  };
  return OutputNames{name("_sentences"), name("_words"),      name("_sounds"),
                     name("_result"),    name("_result_dev"), name("")};
}

std::string default_directory(std::string_view program_path) {
  std::string directory = directory_part(program_path);
  return directory.empty() ? std::string(program_path) : directory;
}

}  // namespace zor
