#pragma once

#include <cstddef>

namespace qel::test {

// While it lives, every allocation through operator new of more than largest bytes throws
// std::bad_alloc, as it would when memory runs out. Linking this replaces the global
// operator new and delete of the test program.
class AllocationLimit {
 public:
  explicit AllocationLimit(std::size_t largest);
  ~AllocationLimit();
  AllocationLimit(const AllocationLimit&) = delete;
  AllocationLimit& operator=(const AllocationLimit&) = delete;
};

}  // namespace qel::test
