#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "image/png_check.h"

namespace qel::resources {

// The pieces that the texts put numbers and names in with.

// Digits in groups of three, as an author counts: 10,200.
std::u16string grouped(std::uint64_t value);

// Digits without groups, for line numbers and path lengths.
std::u16string plain(std::uint64_t value);

// A share (0.004) as a percentage to a tenth, at least 0.1 so that a small one does not
// read as none: 0.4.
std::u16string deviationPercent(float share);

// The name of a file in a message, without its folders.
std::u16string fileName(std::u16string_view path);

// A picture's size: 1024×1024ピクセル.
std::u16string imageSize(const PngSize& size);

// The largest picture a container takes, in the same words.
std::u16string largestImage();

}  // namespace qel::resources
