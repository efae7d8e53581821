// The replaceable allocation functions of a test binary (see
// allocation_failure_for_test.h). Every form of new and delete is replaced,
// so that what one form allocates another form never frees.
#include "export/terminal/allocation_failure_for_test.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> g_fail_from{0};  // 0: no request fails

void* Allocate(std::size_t size) {
  std::size_t limit = g_fail_from.load();
  if (limit != 0 && size >= limit) return nullptr;
  return std::malloc(size == 0 ? 1 : size);
}

}  // namespace

namespace terminal_test {

ScopedAllocationFailure::ScopedAllocationFailure(std::size_t from_bytes) { g_fail_from.store(from_bytes); }
ScopedAllocationFailure::~ScopedAllocationFailure() { g_fail_from.store(0); }

}  // namespace terminal_test

void* operator new(std::size_t size) {
  void* p = Allocate(size);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}
void* operator new[](std::size_t size) {
  void* p = Allocate(size);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
