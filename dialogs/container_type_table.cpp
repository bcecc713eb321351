#include "dialogs/container_type_table.h"

#include "resources/container_types.h"

namespace qel {

const std::array<std::u16string_view, kContainerTypeCount> kContainerTypeTable =
    resources::kContainerTypeNames;

std::u16string_view containerTypeName(std::uint32_t index) {
  return index < kContainerTypeCount ? kContainerTypeTable[index] : std::u16string_view();
}

}  // namespace qel
