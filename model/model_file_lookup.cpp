#include "model/model_file_lookup.h"

#include "base/path_parts.h"
#include "container/whole_file.h"
#include "platform/os.h"

namespace qel {

std::optional<std::u16string> findIgnoringCase(std::u16string_view path) {
  const std::u16string_view folder = folderOf(path);
  const std::u16string_view name = path.substr(folder.size());
  if (name.empty()) return std::nullopt;
  std::optional<std::u16string> found;
  for (const std::u16string& entry : platform::fileSystem().listFolder(folder)) {
    if (entry == name || !equalIgnoringCase(entry, name)) continue;
    if (!found || entry < *found) found = entry;
  }
  if (!found) return std::nullopt;
  return std::u16string(folder) + *found;
}

std::unique_ptr<platform::FileReader> openModelFile(std::u16string_view path) {
  auto file = platform::fileSystem().openForReading(path);
  if (file) return file;
  const auto other = findIgnoringCase(path);
  return other ? platform::fileSystem().openForReading(*other) : nullptr;
}

std::optional<Bytes> readModelFile(std::u16string_view path) {
  auto bytes = readWholeFile(path);
  if (bytes) return bytes;
  const auto other = findIgnoringCase(path);
  return other ? readWholeFile(*other) : std::nullopt;
}

}  // namespace qel
