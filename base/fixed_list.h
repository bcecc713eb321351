#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace qel {

// A list of at most N entries that never grows: entries are added at the end and a full
// list refuses more. Trivially copyable, so a zero-filled list is a valid empty one, and
// so is one on storage holding anything after startEmpty(): spare() clears each entry it
// hands out for the first time. Entries at and past size() are written only through
// push() and spare().
template <typename T, std::int32_t N>
class FixedList {
 public:
  static constexpr std::int32_t kCapacity = N;

  std::int32_t size() const { return count_; }
  bool empty() const { return count_ == 0; }
  static constexpr std::int32_t capacity() { return N; }
  bool hasRoomFor(std::int32_t more) const { return more <= N - count_; }

  // Adds item at the end; false, with the list unchanged, when it is full.
  bool push(const T& item) {
    if (!hasRoomFor(1)) return false;
    items_[count_++] = item;
    written_ = std::max(written_, count_);
    return true;
  }

  // The next `more` entries after the last one, for filling in place before extend()
  // takes them in: as the last spare() left them, zero where none reached before. The
  // caller checked hasRoomFor(more).
  T* spare(std::int32_t more) {
    static_assert(std::is_trivially_copyable_v<T>);
    if (count_ + more > written_) {
      std::memset(static_cast<void*>(items_.data() + written_), 0,
                  sizeof(T) * static_cast<std::size_t>(count_ + more - written_));
      written_ = count_ + more;
    }
    return items_.data() + count_;
  }
  // Takes in the next `more` spare entries; the caller checked hasRoomFor(more).
  void extend(std::int32_t more) { count_ += more; }

  // Makes the list empty without looking at its storage, which may hold anything.
  void startEmpty() {
    count_ = 0;
    written_ = 0;
  }

  // Empties the list, zeroing every entry written since it was last empty: a list that
  // was zero-filled is so again, at the cost of what was used, not of the capacity.
  void clear() {
    std::memset(static_cast<void*>(items_.data()), 0,
                sizeof(T) * static_cast<std::size_t>(written_));
    count_ = 0;
    written_ = 0;
  }

  T& operator[](std::int32_t index) { return items_[static_cast<std::size_t>(index)]; }
  const T& operator[](std::int32_t index) const { return items_[static_cast<std::size_t>(index)]; }
  T* begin() { return items_.data(); }
  T* end() { return items_.data() + count_; }
  const T* begin() const { return items_.data(); }
  const T* end() const { return items_.data() + count_; }

 private:
  std::array<T, static_cast<std::size_t>(N)> items_;
  std::int32_t count_;
  std::int32_t written_;  // entries written through push() and spare() since the list was empty
};

}  // namespace qel
