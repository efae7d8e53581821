// Test support: makes large memory requests fail. The test binary that
// links allocation_failure_for_test.cc gets its own operator new and
// delete (on malloc and free); while a ScopedAllocationFailure lives, every
// request of at least the given size throws std::bad_alloc. Growable lists
// cross such a size after a known number of entries; everything else the
// exports allocate stays far below it.
#ifndef SSTRXK_EXPORT_TERMINAL_ALLOCATION_FAILURE_FOR_TEST_H_
#define SSTRXK_EXPORT_TERMINAL_ALLOCATION_FAILURE_FOR_TEST_H_

#include <cstddef>

namespace terminal_test {

class ScopedAllocationFailure {
 public:
  explicit ScopedAllocationFailure(std::size_t from_bytes);
  ~ScopedAllocationFailure();
  ScopedAllocationFailure(const ScopedAllocationFailure&) = delete;
  ScopedAllocationFailure& operator=(const ScopedAllocationFailure&) = delete;
};

}  // namespace terminal_test

#endif  // SSTRXK_EXPORT_TERMINAL_ALLOCATION_FAILURE_FOR_TEST_H_
