#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace qel::cli {

// The UTF-16 form of a command-line argument, or nothing when it is not UTF-8: converted
// anyway, it would store other text, or name another file, than the one given.
std::optional<std::u16string> fromUtf8Argument(std::string_view text);

// The same for a file name, or nothing after a refusal on err that names it.
std::optional<std::u16string> pathArgument(const std::string& path, std::ostream& err);

}  // namespace qel::cli
