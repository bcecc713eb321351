#pragma once

#include <cstdint>
#include <span>

namespace qel {

// Whether stb could meet a DHT segment that lists more than the 256 codes a table holds:
// stb 2.27 does not check, and writes the codes past its tables.
bool hasOverfullHuffmanTable(std::span<const std::uint8_t> data);

// The scans of a JPEG (its SOS segments), 0 for other data. The decoder passes over the
// whole picture once a scan, however little the scan holds.
std::uint32_t countJpegScans(std::span<const std::uint8_t> data);

}  // namespace qel
