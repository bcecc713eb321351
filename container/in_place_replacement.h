#pragma once

#include <memory>
#include <string_view>

#include "container/file_replacement.h"

namespace qel {

// Starts writing the existing file at path (a resolved path) in place: the new content is
// gathered and written over the old at commit, after its room is taken; on a failure the
// earlier bytes and length are put back. Of the earlier file only the front that the new
// content covers is held in memory.
std::unique_ptr<FileReplacement> beginInPlaceReplacement(std::u16string_view path,
                                                         platform::WriteFailure& why);

}  // namespace qel
