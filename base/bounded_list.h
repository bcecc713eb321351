#pragma once

#include <cstdint>
#include <type_traits>
#include <vector>

namespace qel {

// A list that grows as entries come, up to a capacity chosen when it is made, with the
// adding operations of FixedList: for reading more than the fixed lists take, within a
// bound, while paying only for what is read.
template <typename T>
class BoundedList {
 public:
  explicit BoundedList(std::int32_t capacity) : capacity_(capacity) {}

  std::int32_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  std::int32_t capacity() const { return capacity_; }
  bool hasRoomFor(std::int32_t more) const { return more <= capacity_ - count_; }

  bool push(const T& item) {
    if (!hasRoomFor(1)) return false;
    if (items_.size() > static_cast<std::size_t>(count_)) {
      items_[static_cast<std::size_t>(count_)] = item;
    } else {
      items_.push_back(item);
    }
    ++count_;
    return true;
  }

  // As FixedList's: entries to fill in place before extend() takes them in; the caller
  // checked hasRoomFor(more).
  T* spare(std::int32_t more) {
    static_assert(std::is_trivially_copyable_v<T>);
    const auto needed = static_cast<std::size_t>(count_ + more);
    if (items_.size() < needed) items_.resize(needed);
    return items_.data() + count_;
  }
  void extend(std::int32_t more) { count_ += more; }

  T& operator[](std::int32_t index) { return items_[static_cast<std::size_t>(index)]; }
  const T& operator[](std::int32_t index) const { return items_[static_cast<std::size_t>(index)]; }
  T* begin() { return items_.data(); }
  T* end() { return items_.data() + count_; }
  const T* begin() const { return items_.data(); }
  const T* end() const { return items_.data() + count_; }

  // Gives the storage back.
  void release() {
    items_ = {};
    count_ = 0;
  }

 private:
  std::vector<T> items_;  // at least count_ entries; those past it are spare
  std::int32_t count_ = 0;
  std::int32_t capacity_;
};

}  // namespace qel
