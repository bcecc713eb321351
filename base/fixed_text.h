#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace qel {

// A UTF-16 text field of fixed capacity; the capacity counts the terminator.
// Assigning keeps at most Capacity - 1 units, always terminates, and zeroes the units
// behind the terminator. Loading raw units (from a file) may leave a field without a
// terminator until terminate() is called; view() never reads past the capacity.
template <std::size_t Capacity>
class FixedText {
  static_assert(Capacity >= 1);

 public:
  static constexpr std::size_t kCapacity = Capacity;

  FixedText() = default;
  explicit FixedText(std::u16string_view text) { assign(text); }

  void assign(std::u16string_view text) {
    const std::size_t kept = std::min(text.size(), Capacity - 1);
    // Text may stop early at an embedded terminator, as a C string would.
    const std::size_t end = std::min(kept, text.find(u'\0'));
    std::copy_n(text.data(), end, units_.data());
    std::fill(units_.begin() + static_cast<std::ptrdiff_t>(end), units_.end(), u'\0');
  }

  void clear() { units_.fill(u'\0'); }

  // Forces the last unit to be the terminator, for fields filled as raw units.
  void terminate() { units_[Capacity - 1] = u'\0'; }

  std::u16string_view view() const {
    const auto end = std::find(units_.begin(), units_.end(), u'\0');
    return {units_.data(), static_cast<std::size_t>(end - units_.begin())};
  }
  std::u16string str() const { return std::u16string(view()); }
  bool empty() const { return units_[0] == u'\0'; }

  // All units, terminator and whatever stands behind it, as a file stores them.
  std::array<char16_t, Capacity>& units() { return units_; }
  const std::array<char16_t, Capacity>& units() const { return units_; }

  friend bool operator==(const FixedText&, const FixedText&) = default;

 private:
  std::array<char16_t, Capacity> units_{};
};

// Paths are kept in 260 units, as the platform's file pickers hand them over.
inline constexpr std::size_t kPathCapacity = 260;
using PathText = FixedText<kPathCapacity>;

}  // namespace qel
