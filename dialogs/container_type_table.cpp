#include "dialogs/container_type_table.h"

namespace qel {

const std::array<std::u16string_view, kContainerTypeCount> kContainerTypeTable = {
    u"---", u"荷物", u"自動車S", u"自動車M", u"自動車L", u"12ft/10ft", u"---", u"---",
    u"---", u"20ft", u"30ft",    u"ISO20ft", u"ISO40ft", u"---",       u"---", u"---",
};

std::u16string_view containerTypeName(std::uint32_t index) {
  return index < kContainerTypeCount ? kContainerTypeTable[index] : std::u16string_view();
}

}  // namespace qel
