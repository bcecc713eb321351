#pragma once

#include <cstdlib>
#include <new>

namespace qel {

// Running out of memory, where the C++ library reports it by std::bad_alloc. A library built
// without exceptions (the browser's) ends the program instead, so there these only run or
// end.

// Runs run; when it runs out of memory, runs handle and goes on.
template <typename Run, typename Handle>
void handlingOutOfMemory(Run run, Handle handle) {
#if defined(__cpp_exceptions)
  try {
    run();
  } catch (const std::bad_alloc&) {
    handle();
  }
#else
  (void)handle;
  run();
#endif
}

// Runs run; when it runs out of memory, runs undo and lets the shortage go on up.
template <typename Run, typename Undo>
void undoingOnOutOfMemory(Run run, Undo undo) {
#if defined(__cpp_exceptions)
  try {
    run();
  } catch (const std::bad_alloc&) {
    undo();
    throw;
  }
#else
  (void)undo;
  run();
#endif
}

[[noreturn]] inline void reportOutOfMemory() {
#if defined(__cpp_exceptions)
  throw std::bad_alloc();
#else
  std::abort();
#endif
}

}  // namespace qel
