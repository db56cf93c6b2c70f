#include "platform/desktop.h"

#include "platform/encoding.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#else
#include <spawn.h>
#include <sys/wait.h>
extern char** environ;
#endif

namespace zor {

bool open_with_default_viewer(const std::string& cp1250_path) {
#ifdef _WIN32
  auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, "open", cp1250_path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;
#else
#ifdef __APPLE__
  const char* opener = "open";
#else
  const char* opener = "xdg-open";
#endif
  std::string name = native_file_name(cp1250_path);
  char* argv[] = {const_cast<char*>(opener), name.data(), nullptr};
  pid_t pid;
  if (posix_spawnp(&pid, opener, nullptr, nullptr, argv, environ) != 0) return false;
  int status = 0;
  // xdg-open returns once the viewer is launched.
  if (waitpid(pid, &status, 0) < 0) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
#endif
}

}  // namespace zor
