#pragma once

#include <ostream>
#include <string_view>

namespace qel::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

// Reports refused input in one line that names what was refused and why.
inline int refuse(std::ostream& err, std::string_view subject, std::string_view reason) {
  err << subject << ": " << reason << "\n";
  return kExitRefused;
}

}  // namespace qel::cli
