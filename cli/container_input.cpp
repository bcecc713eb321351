#include "cli/container_input.h"

#include "cli/refusal.h"
#include "cli/utf8_argument.h"
#include "container/container_file.h"
#include "container/container_format.h"
#include "container/whole_file.h"
#include "platform/os.h"

namespace qel::cli {

namespace {

void refuseUnreadable(std::ostream& err, const std::string& path) {
  refuse(err, path, kUnreadableText);
}

}  // namespace

std::optional<Bytes> readInputFile(const std::string& path, std::ostream& err,
                                   std::uint64_t largest) {
  const auto wide = pathArgument(path, err);
  if (!wide) return std::nullopt;
  auto bytes = readWholeFile(*wide, largest);
  if (bytes) return bytes;
  const auto file = platform::fileSystem().openForReading(*wide);
  const auto length = file ? file->length() : std::nullopt;
  if (length && *length > largest) {
    refuse(err, path, std::to_string(*length) + " bytes; at most " + std::to_string(largest));
  } else {
    refuseUnreadable(err, path);
  }
  return std::nullopt;
}

std::optional<Bytes> readInputHead(const std::string& path, std::size_t count, std::ostream& err) {
  const auto wide = pathArgument(path, err);
  if (!wide) return std::nullopt;
  auto bytes = readFileHead(*wide, count);
  if (!bytes) refuseUnreadable(err, path);
  return bytes;
}

std::optional<LoadedContainer> openContainerInput(const std::string& path, std::ostream& err) {
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
