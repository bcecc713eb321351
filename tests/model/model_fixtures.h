#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/bytes.h"
#include "model/info_message_sink.h"

namespace qel::test {

// Keeps every message instead of showing it.
class RecordingSink final : public InfoMessageSink {
 public:
  void showInfoMessage(std::u16string_view text) override { texts.emplace_back(text); }
  std::vector<std::u16string> texts;
};

inline void putBigEndian(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

inline void putLittleEndian(Bytes& bytes, std::size_t at, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The start of a PNG file: signature and an IHDR chunk of the given size.
inline Bytes pngBytes(std::uint32_t width, std::uint32_t height) {
  Bytes bytes = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  bytes.resize(33);
  putBigEndian(bytes, 16, width);
  putBigEndian(bytes, 20, height);
  return bytes;
}

inline Bytes bmpBytes(std::int32_t width, std::int32_t height, std::size_t size = 54) {
  Bytes bytes(size);
  bytes[0] = 'B';
  bytes[1] = 'M';
  if (size >= 26) {
    putLittleEndian(bytes, 18, static_cast<std::uint32_t>(width), 4);
    putLittleEndian(bytes, 22, static_cast<std::uint32_t>(height), 4);
  }
  return bytes;
}

// A TIM header with the given flags and image block fields.
inline Bytes timBytes(std::uint32_t flags, std::uint16_t x, std::uint16_t y,
                      std::uint16_t widthWords, std::uint16_t height) {
  Bytes bytes(20);
  putLittleEndian(bytes, 0, 0x10, 4);
  putLittleEndian(bytes, 4, flags, 4);
  putLittleEndian(bytes, 12, x, 2);
  putLittleEndian(bytes, 14, y, 2);
  putLittleEndian(bytes, 16, widthWords, 2);
  putLittleEndian(bytes, 18, height, 2);
  return bytes;
}

}  // namespace qel::test
