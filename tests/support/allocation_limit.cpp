#include "tests/support/allocation_limit.h"

#include <cstdlib>
#include <limits>
#include <new>

namespace qel::test {
namespace {
std::size_t largestAllowed = std::numeric_limits<std::size_t>::max();

void* allocateOrNull(std::size_t size) noexcept {
  return size > largestAllowed ? nullptr : std::malloc(size == 0 ? 1 : size);
}

void* allocate(std::size_t size) {
  if (void* p = allocateOrNull(size)) return p;
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
// The standard library takes some blocks with the nothrow forms (stable_partition's buffer)
// and gives them back through the plain delete above.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return qel::test::allocateOrNull(size);
}
void* operator new[](std::size_t size, const std::nothrow_t& nothrow) noexcept {
  return operator new(size, nothrow);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}
