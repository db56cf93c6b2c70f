#include "platform/thread_priority.h"

#if defined(__linux__)
#define ZOR_IDLE_THREADS 1
#include <pthread.h>
#include <sched.h>
#endif

namespace zor {

void yield_processor_to_others() {
#ifdef ZOR_IDLE_THREADS
  // Run only on a core that would otherwise idle, and taken off it by any
  // other thread that wakes. A lowered nice value is not enough: the
  // scheduler still gives such a thread slices while the run's own thread
  // waits for them.
  const sched_param none{};
  (void)pthread_setschedparam(pthread_self(), SCHED_IDLE, &none);
#endif
}

}  // namespace zor
