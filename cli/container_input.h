#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "base/bytes.h"
#include "container/container_record.h"

namespace qel::cli {

// The bytes of the file at path (UTF-8), or nothing after a refusal on err.
std::optional<Bytes> readInputFile(const std::string& path, std::ostream& err);

struct LoadedContainer {
  ContainerRecord record;
  std::optional<std::int32_t> seed;  // nothing for a plain file
};

// The container file at path loaded as the desktop program opens it, or nothing after a
// refusal on err.
std::optional<LoadedContainer> loadContainerFile(const std::string& path, std::ostream& err);

}  // namespace qel::cli
