#include "platform/run_lock.h"

#include "platform/encoding.h"
#include "platform/paths.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace zor {

RunLock::~RunLock() { release(); }

#ifdef _WIN32

RunLock::State RunLock::acquire(std::string_view path) {
  release();
  native_path_ = native_file_name(path);
  // No sharing: a second run cannot open the file while this one holds it,
  // and the system deletes it when the handle closes, killed or not.
  HANDLE handle = CreateFileA(native_path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE,
                              nullptr);
  if (handle == INVALID_HANDLE_VALUE)
    return GetLastError() == ERROR_SHARING_VIOLATION ? State::busy : State::unavailable;
  handle_ = handle;
  return State::held;
}

void RunLock::release() {
  if (handle_) CloseHandle(static_cast<HANDLE>(handle_));
  handle_ = nullptr;
}

#else

RunLock::State RunLock::acquire(std::string_view path) {
  release();
  native_path_ = native_file_name(path);
  for (;;) {
    int descriptor = open(native_path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor < 0) return State::unavailable;
    if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
      close(descriptor);
      return State::busy;
    }
    // The run before may have removed the file between the open and the
    // lock; then the lock is on a file nobody else will find, and it is
    // taken again on the file now there.
    struct stat held, named;
    if (fstat(descriptor, &held) == 0 && stat(native_path_.c_str(), &named) == 0 &&
        held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
      descriptor_ = descriptor;
      return State::held;
    }
    close(descriptor);
  }
}

void RunLock::release() {
  if (descriptor_ < 0) return;
  unlink(native_path_.c_str());
  close(descriptor_);
  descriptor_ = -1;
}

#endif

std::string run_lock_path(std::string_view report_path) {
  return std::string(report_path) + ".zor-lock";
}

bool lock_outputs(RunLock& lock, std::string_view lock_path, RunHost& host) {
  if (lock.acquire(lock_path) != RunLock::State::busy) return true;
  std::string folder = directory_part(lock_path);
  if (folder.empty()) folder = ".";
  host.show_message(to_cp1250("Ebbe a könyvtárba ugyanezzel az alapnévvel éppen egy másik futás "
                              "ír:\n") +
                    folder + to_cp1250("\n\nVárja meg, amíg befejeződik, vagy válasszon más "
                                       "könyvtárat vagy nevet!"));
  return false;
}

}  // namespace zor
