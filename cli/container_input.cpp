#include "cli/container_input.h"

#include "cli/refusal.h"
#include "cli/utf8_argument.h"
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
  auto bytes = readInputFile(path, err);
  if (!bytes) return std::nullopt;
  if (bytes->size() >= kContainerFileLimit) {
    refuse(err, path,
           std::to_string(bytes->size()) + " bytes; container files are smaller than " +
               std::to_string(kContainerFileLimit));
    return std::nullopt;
  }
  if (!containerFormOf(*bytes)) {
    refuse(err, path, "not a container file");
    return std::nullopt;
  }
  LoadedContainer loaded;
  loaded.seed = scrambleSeedOf(*bytes);
  if (failed(parseContainerFile(loaded.record, *bytes))) {
    refuse(err, path,
           "damaged container file (a chunk runs past the end or the end chunk is missing)");
    return std::nullopt;
  }
  return loaded;
}

}  // namespace qel::cli
