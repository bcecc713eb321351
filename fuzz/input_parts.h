#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qel::fuzz {

// A fuzz input read as parts separated by the bytes 0xFF 0x00, which text files seldom
// hold; parts past the last one are empty.
class InputParts {
 public:
  InputParts(const std::uint8_t* data, std::size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  std::string_view next() {
    const std::size_t mark = rest_.find(std::string_view("\xFF\x00", 2));
    const std::string_view part = rest_.substr(0, mark);
    rest_ = mark == std::string_view::npos ? std::string_view() : rest_.substr(mark + 2);
    return part;
  }

 private:
  std::string_view rest_;
};

}  // namespace qel::fuzz
