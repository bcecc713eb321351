#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "base/bytes.h"
#include "container/container_record.h"
#include "container/whole_file.h"

namespace qel::cli {

// The bytes of the file at path (UTF-8), or nothing after a refusal on err; a file of more
// than largest bytes is refused with its length.
std::optional<Bytes> readInputFile(const std::string& path, std::ostream& err,
                                   std::uint64_t largest = kLargestReadable);

// The first count bytes of the file (all of a shorter one), or nothing after a refusal.
std::optional<Bytes> readInputHead(const std::string& path, std::size_t count, std::ostream& err);

struct LoadedContainer {
  ContainerRecord record;
  std::optional<std::int32_t> seed;  // nothing for a file of the plain form
};

// The container file at path opened as the desktop program opens it, or nothing after a
// refusal on err.
std::optional<LoadedContainer> openContainerInput(const std::string& path, std::ostream& err);

}  // namespace qel::cli
