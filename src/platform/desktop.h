#pragma once
#include <string>

namespace zor {

// Hands a file to the desktop's default viewer without waiting for it.
// False when no viewer could be started.
bool open_with_default_viewer(const std::string& cp1250_path);

}  // namespace zor
