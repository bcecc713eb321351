#include "tests/support/allocation_limit.h"

#include <cstdlib>
#include <limits>
#include <new>

namespace qel::test {
namespace {
std::size_t largestAllowed = std::numeric_limits<std::size_t>::max();

void* allocate(std::size_t size) {
  if (size > largestAllowed) throw std::bad_alloc();
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
}  // namespace

AllocationLimit::AllocationLimit(std::size_t largest) {
  largestAllowed = largest;
}

AllocationLimit::~AllocationLimit() {
  largestAllowed = std::numeric_limits<std::size_t>::max();
}

}  // namespace qel::test

// Both halves are replaced, so that every block is taken and given back through malloc.
void* operator new(std::size_t size) {
  return qel::test::allocate(size);
}
void* operator new[](std::size_t size) {
  return qel::test::allocate(size);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}
