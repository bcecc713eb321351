#include "repair/jpeg_markers.h"

#include <cstddef>

namespace qel {
namespace {

constexpr std::uint8_t kStartOfScan = 0xDA;
constexpr std::uint8_t kEndOfImage = 0xD9;

// A byte as stb reads it: 0 past the end.
std::uint8_t byteAt(std::span<const std::uint8_t> data, std::size_t at) {
  return at < data.size() ? data[at] : 0;
}

bool isJpeg(std::span<const std::uint8_t> data) {
  return byteAt(data, 0) == 0xFF && byteAt(data, 1) == 0xD8;
}

// Markers that stand alone, without a length: TEM, the restarts, SOI and EOI.
bool standsAlone(std::uint8_t kind) {
  return kind == 0x01 || (kind >= 0xD0 && kind <= 0xD9);
}

// Whether the Huffman tables of a DHT segment whose marker ends before at list more than
// 256 codes.
bool overfillsHuffmanTable(std::span<const std::uint8_t> data, std::size_t at) {
  std::int64_t left = (byteAt(data, at) << 8 | byteAt(data, at + 1)) - 2;
  at += 2;
  while (left > 0 && at < data.size()) {
    ++at;  // table class and number
    int codes = 0;
    for (int length = 0; length < 16; ++length) codes += byteAt(data, at++);
    if (codes > 256) return true;
    at += codes;
    left -= 17 + codes;
  }
  return false;
}

// Past the entropy-coded data that starts at at: to the next marker that is neither a
// stuffed 0xFF nor a restart.
std::size_t pastEntropyData(std::span<const std::uint8_t> data, std::size_t at) {
  for (; at + 1 < data.size(); ++at) {
    const std::uint8_t next = data[at + 1];
    if (data[at] == 0xFF && next != 0x00 && !(next >= 0xD0 && next <= 0xD7)) break;
  }
  return at;
}

}  // namespace

// The segments stb skips by their length (APPn and COM, before anything else) are skipped
// here too, so that their payloads cannot look like a DHT; from the first other marker on,
// every 0xFF 0xC4 is taken as the DHT marker that stb may read there.
bool hasOverfullHuffmanTable(std::span<const std::uint8_t> data) {
  if (!isJpeg(data)) return false;
  std::size_t at = 2;
  while (byteAt(data, at) == 0xFF) {
    std::size_t marker = at + 1;
    while (byteAt(data, marker) == 0xFF && marker < data.size()) ++marker;
    const std::uint8_t kind = byteAt(data, marker);
    if (!((kind >= 0xE0 && kind <= 0xEF) || kind == 0xFE)) break;
    at = marker + 1 + (byteAt(data, marker + 1) << 8 | byteAt(data, marker + 2));
  }
  for (; at + 1 < data.size(); ++at) {
    if (data[at] == 0xFF && data[at + 1] == 0xC4 && overfillsHuffmanTable(data, at + 2)) {
      return true;
    }
  }
  return false;
}

std::uint32_t countJpegScans(std::span<const std::uint8_t> data) {
  if (!isJpeg(data)) return 0;
  std::uint32_t scans = 0;
  std::size_t at = 2;
  while (at + 1 < data.size()) {
    // Bytes between segments, and fill bytes before a marker, are passed over.
    if (data[at] != 0xFF || data[at + 1] == 0xFF) {
      ++at;
      continue;
    }
    const std::uint8_t kind = data[at + 1];
    at += 2;
    if (kind == kEndOfImage) break;
    if (standsAlone(kind)) continue;
    at += static_cast<std::size_t>(byteAt(data, at) << 8 | byteAt(data, at + 1));
    if (kind == kStartOfScan) {
      ++scans;
      at = pastEntropyData(data, at);
    }
  }
  return scans;
}

}  // namespace qel
