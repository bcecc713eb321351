#include "resources/resources.h"

namespace qel::resources {

std::u16string_view loadString(int id) {
  switch (id) {
    case kTitleString:
      return u"ノルカ";
    case kClassNameString:
      return u"QELCONTAINER";
    default:
      return {};
  }
}

}  // namespace qel::resources
