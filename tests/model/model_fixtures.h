#pragma once

#include <cstdint>
#include <cstdio>
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

// A large model in every form the reader meets: numbers written in many ways (long,
// exponent, signed, separated by commas and tabs), every corner form, relative numbers,
// triangles to pentagons, flat and smooth normals, two materials, CR LF lines and a line
// longer than a piece.
inline std::string largeObjModel() {
  std::uint32_t state = 12345;
  const auto next = [&state] {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 8) & 0xFFFF);
  };
  const auto real = [&next] { return (next() - 32768.0) / 1000.0; };
  constexpr const char* kPositionForms[] = {"v %.6f %.6f %.6f\n",      "v %g %g %g\r\n",
                                            "v %.3e,%.3e,%.3e\n",      "v\t%.0f %.0f %.0f\n",
                                            "v +%.7f %.9f %.1f 1.0\n", "v %.21f %.17g %.25f\n"};
  std::string obj = "# generated\r\nmtllib car.mtl\n";
  char line[256];
  for (int i = 0; i < 6000; ++i) {
    const double x = real(), y = real(), z = real();
    std::snprintf(line, sizeof line, kPositionForms[next() % 6], x, y, z);
    obj += line;
  }
  // Texture coordinates and normals are drawn last to first: the hash and counts that the
  // tests hold were taken from the model drawn so.
  for (int i = 0; i < 4000; ++i) {
    const double v = next() / 40000.0, u = next() / 65536.0;
    std::snprintf(line, sizeof line, i % 2 ? "vt %.6f %.6f\n" : "vt %.4f %.4f 0.0\n", u, v);
    obj += line;
  }
  for (int i = 0; i < 3000; ++i) {
    const double z = real(), y = real(), x = real();
    std::snprintf(line, sizeof line, "vn %.6f %.6f %.6f\n", x, y, z);
    obj += line;
  }
  obj += "g " + std::string(1100, 'x') + " v 1 2 3\n";
  for (int face = 0; face < 5000; ++face) {
    if (face % 700 == 0) obj += face % 1400 ? "usemtl part\n" : "usemtl body\n";
    if (face % 300 == 0) obj += face % 900 == 0 ? "s off\n" : "s 1\n";
    obj += "f";
    const int corners = 3 + next() % 3;
    for (int k = 0; k < corners; ++k) {
      const std::string v = std::to_string(1 + next() % 6000);
      const std::string t = std::to_string(1 + next() % 4000);
      const std::string n = std::to_string(1 + next() % 3000);
      const std::string back = "-" + std::to_string(k + 1);
      const std::string forms[] = {v + "/" + t + "/" + n, v + "//" + n, v + "/" + t, v,
                                   back + "/" + back + "/" + back};
      obj += " " + forms[next() % 5];
    }
    obj += face % 2 ? "\r\n" : "\n";
  }
  return obj;
}

}  // namespace qel::test
