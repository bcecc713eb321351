#include "cli/container_input.h"

#include "cli/refusal.h"
#include "cli/utf8_argument.h"
#include "container/container_file.h"
#include "container/container_format.h"
#include "container/whole_file.h"

namespace qel::cli {

std::optional<Bytes> readInputFile(const std::string& path, std::ostream& err) {
  const auto wide = pathArgument(path, err);
  if (!wide) return std::nullopt;
  auto bytes = readWholeFile(*wide);
  if (!bytes) refuse(err, path, "cannot be read (missing, empty or unreadable)");
  return bytes;
}

std::optional<LoadedContainer> loadContainerFile(const std::string& path, std::ostream& err) {
  const auto wide = pathArgument(path, err);
  if (!wide) return std::nullopt;
  LoadedContainer loaded;
  const ContainerFileOpening opening = openContainerFile(loaded.record, *wide);
  if (opening.refusal == ContainerFileRefusal::None) {
    loaded.seed = opening.seed;
    return loaded;
  }
  refuse(err, path, englishText(opening));
  return std::nullopt;
}

}  // namespace qel::cli
