#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/cache_folder.h"

namespace zor {
namespace {

#if defined(__linux__)
// Sets an environment variable for the test's span, then puts it back.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedVariable() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// Only an absolute folder is taken: a relative one would move with the
// folder the program was started in.
TEST(UserCacheFolder, FollowsTheFreedesktopRule) {
  {
    ScopedVariable cache("XDG_CACHE_HOME", "/var/cache/someone"), home("HOME", "/home/someone");
    EXPECT_EQ(user_cache_folder(), std::filesystem::path("/var/cache/someone/zor"));
  }
  for (const char* unusable : {"", "relative/cache"}) {
    ScopedVariable cache("XDG_CACHE_HOME", unusable), home("HOME", "/home/someone");
    EXPECT_EQ(user_cache_folder(), std::filesystem::path("/home/someone/.cache/zor")) << unusable;
  }
  ScopedVariable cache("XDG_CACHE_HOME", nullptr), home("HOME", nullptr);
  EXPECT_EQ(user_cache_folder(), std::nullopt);
}
#endif

}  // namespace
}  // namespace zor
