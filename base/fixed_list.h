#pragma once

#include <array>
#include <cstdint>

namespace qel {

// A list of at most N entries that never grows: entries are added at the end and a full
// list refuses more. Trivially copyable, so a zero-filled list is a valid empty one.
template <typename T, std::int32_t N>
class FixedList {
 public:
  static constexpr std::int32_t kCapacity = N;

  std::int32_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  bool hasRoomFor(std::int32_t more) const { return more <= N - count_; }

  // Adds item at the end; false, with the list unchanged, when it is full.
  bool push(const T& item) {
    if (!hasRoomFor(1)) return false;
    items_[count_++] = item;
    return true;
  }

  // The entries after the last one, for filling in place before extend() takes them in;
  // at least `more` of them when hasRoomFor(more).
  T* spare() { return items_.data() + count_; }
  // Takes in the next `more` spare entries; the caller checked hasRoomFor(more).
  void extend(std::int32_t more) { count_ += more; }

  T& operator[](std::int32_t index) { return items_[static_cast<std::size_t>(index)]; }
  const T& operator[](std::int32_t index) const { return items_[static_cast<std::size_t>(index)]; }
  T* begin() { return items_.data(); }
  T* end() { return items_.data() + count_; }
  const T* begin() const { return items_.data(); }
  const T* end() const { return items_.data() + count_; }

 private:
  std::array<T, static_cast<std::size_t>(N)> items_;
  std::int32_t count_;
};

}  // namespace qel
