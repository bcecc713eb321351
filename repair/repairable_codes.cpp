#include "repair/repairable_codes.h"

#include <algorithm>
#include <array>

namespace qel {

bool repairMends(std::string_view code) {
  static constexpr std::array<std::string_view, 9> kMended = {
      "model.no-texture-material", "model.texture-not-png",     "model.texture-too-large",
      "model.texture-unreadable",  "obj.face-without-material", "obj.material-without-texture",
      "obj.texcoord-outside",      "obj.polygon-cut",           "obj.capacity",
  };
  return std::find(kMended.begin(), kMended.end(), code) != kMended.end();
}

}  // namespace qel
