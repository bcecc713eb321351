#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace qel {

// The sixteen container type names, indexed by the record's typeIndex.
inline constexpr std::size_t kContainerTypeCount = 16;
extern const std::array<std::u16string_view, kContainerTypeCount> kContainerTypeTable;

// The indexes that the parameter dialog offers, in table order.
inline constexpr std::array<std::uint32_t, 10> kOfferedContainerTypes = {0, 1, 2,  3,  4,
                                                                         5, 9, 10, 11, 12};

// The type's name; empty from 16 on, which means no type.
std::u16string_view containerTypeName(std::uint32_t index);

}  // namespace qel
