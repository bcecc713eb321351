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
  switch (opening.refusal) {
    case ContainerFileRefusal::None:
      loaded.seed = opening.seed;
      return loaded;
    case ContainerFileRefusal::Unreadable:
      refuse(err, path, "cannot be read (missing, empty or unreadable)");
      break;
    case ContainerFileRefusal::TooLarge:
      refuse(err, path,
             std::to_string(opening.fileSize) + " bytes; container files are smaller than " +
                 std::to_string(kContainerFileLimit));
      break;
    case ContainerFileRefusal::NotAContainer:
      refuse(err, path, "not a container file");
      break;
    case ContainerFileRefusal::Damaged:
      refuse(err, path,
             "damaged container file (a chunk runs past the end or the end chunk is missing)");
      break;
  }
  return std::nullopt;
}

}  // namespace qel::cli
