// The Linux and the Windows build convert code page 932 alike: both run these tests.
#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <string>

#include "platform/os.h"

#ifdef _WIN32
#include "platform/win32/win32_code_page.h"
#endif

namespace qel::platform {
namespace {

CodePage& codePage932() {
#ifdef _WIN32
  static const auto codePage = makeWin32CodePage(932);
  return *codePage;
#else
  return systemCodePage();
#endif
}

// FNV-1a over the units of every conversion, each closed by a unit no conversion gives.
struct Digest {
  std::uint64_t value = 14695981039346656037u;
  void add(std::u16string_view units) {
    for (const char16_t unit : units) mix(unit);
    mix(0xFFFF);
  }
  void mix(std::uint16_t unit) {
    for (const int shift : {0, 8}) {
      value = (value ^ ((unit >> shift) & 0xFF)) * 1099511628211u;
    }
  }
};

TEST(CodePage932, EverySingleByteAndPairConvertsAsWindowsDoes) {
  Digest digest;
  for (int first = 0; first < 256; ++first) {
    digest.add(codePage932().toWide(std::string(1, static_cast<char>(first))));
  }
  for (int first = 0x80; first < 256; ++first) {
    for (int second = 0; second < 256; ++second) {
      const char pair[] = {static_cast<char>(first), static_cast<char>(second)};
      digest.add(codePage932().toWide(std::string_view(pair, 2)));
    }
  }
  // Taken from MultiByteToWideChar; it tells apart a single byte converted otherwise.
  EXPECT_EQ(digest.value, 6021043248729146397u);
}

TEST(CodePage932, BytesThatMakeNoCharacterConvertAsOnWindows) {
  EXPECT_EQ(codePage932().toWide("a\x80\x83\x52\xA0\xFF"), u"a\u0080コ\uF8F0\uF8F3");
  // A lead byte takes a second byte that makes no character with it, but not a zero byte.
  EXPECT_EQ(codePage932().toWide("\x81\x7F"
                                 "a\x81"),
            u"\u30FBa\u30FB");
  EXPECT_EQ(codePage932().toWide(std::string_view("\x81\0a", 3)), std::u16string(u"\u30FB\0a", 3));
}

TEST(SystemClock, CalendarSecondsCountFrom1970) {
  EXPECT_NEAR(static_cast<double>(systemClock().calendarSeconds()),
              static_cast<double>(std::time(nullptr)), 2.0);
}

}  // namespace
}  // namespace qel::platform
