#pragma once

#include <array>
#include <string_view>

namespace qel::resources {

// The names of the sixteen container types, indexed by the record's type.
inline constexpr std::array<std::u16string_view, 16> kContainerTypeNames = {
    u"---", u"荷物", u"自動車S", u"自動車M", u"自動車L", u"12ft/10ft", u"---", u"---",
    u"---", u"20ft", u"30ft",    u"ISO20ft", u"ISO40ft", u"---",       u"---", u"---",
};

}  // namespace qel::resources
