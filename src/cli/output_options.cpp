#include "cli/output_options.h"

#include <filesystem>
#include <system_error>

#include "platform/encoding.h"
#include "platform/paths.h"

namespace zor {

void OutputOptions::add_to(CLI::App& command) {
  // An unset variable in a script gives "": it must not mean the root folder.
  command.add_option("--out-dir", out_dir, "Folder of the output files")
      ->required()
      ->check(CLI::Validator(
          [](const std::string& folder) {
            return folder.empty() ? std::string("the folder must not be empty") : std::string();
          },
          "DIR"));
  command.add_option("--base", base, "Base name of the output files")
      ->capture_default_str();
}

OutputNames OutputOptions::names() const {
  return build_output_names(with_trailing_separator(from_native_file_name(out_dir)),
                            from_native_file_name(base));
}

void OutputOptions::create_directory() const {
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(out_dir), ignored);
}

}  // namespace zor
