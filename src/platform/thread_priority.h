#pragma once
// Work that may wait for a spare moment: a thread that only uses what the
// run's other threads leave of the processor, so that it never slows the
// one the run waits for. Threads it starts afterwards inherit it. Such a
// thread must not write files: one waiting for a core while it holds the
// file system's journal would stall the threads that write.
namespace zor {

// Nothing where the system cannot lower one thread's priority.
void yield_processor_to_others();

}  // namespace zor
