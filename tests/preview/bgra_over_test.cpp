#include "preview/bgra_over.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(BgraOver, SwapsRedAndBlueAndBlendsByAlphaOverTheBackground) {
  const std::vector<std::uint8_t> rgba = {
      10,  20, 30, 255,  // opaque: kept
      200, 0,  0,  0,    // transparent: the background
      255, 0,  0,  128,  // half red
  };
  const std::vector<std::uint8_t> bgra = {
      30, 20, 10,  255,  //
      40, 50, 60,  255,  //
      20, 25, 158, 255,
  };
  EXPECT_EQ(bgraOver(rgba, {60, 50, 40, 255}), bgra);
}

}  // namespace
}  // namespace qel
