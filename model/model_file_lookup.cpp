#include "model/model_file_lookup.h"

#include <unordered_map>
#include <vector>

#include "base/path_parts.h"
#include "container/whole_file.h"
#include "platform/os.h"

namespace qel {
namespace {

std::u16string lowered(std::u16string_view name) {
  std::u16string text(name);
  for (char16_t& c : text) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return text;
}

// A folder's entries by their name in lower case.
using Listing = std::unordered_map<std::u16string, std::vector<std::u16string>>;

Listing listingOf(std::u16string_view folder) {
  Listing listing;
  for (std::u16string& entry : platform::fileSystem().listFolder(folder)) {
    listing[lowered(entry)].push_back(std::move(entry));
  }
  return listing;
}

using FolderListings = std::unordered_map<std::u16string, Listing>;

// The listings of the outermost FolderListingScope, by folder.
thread_local FolderListings* scopeListings = nullptr;

template <typename Read>
auto readAnyCase(std::u16string_view path, Read read) {
  auto found = read(path);
  if (found) return found;
  const auto other = findIgnoringCase(path);
  return other ? read(*other) : decltype(found)();
}

}  // namespace

struct FolderListingScope::Listings {
  FolderListings byFolder;
};

FolderListingScope::FolderListingScope() {
  if (scopeListings) return;
  owned_ = std::make_unique<Listings>();
  scopeListings = &owned_->byFolder;
}

FolderListingScope::~FolderListingScope() {
  if (owned_) scopeListings = nullptr;
}

std::optional<std::u16string> findIgnoringCase(std::u16string_view path) {
  const std::u16string_view folder = folderOf(path);
  const std::u16string_view name = path.substr(folder.size());
  if (name.empty()) return std::nullopt;
  Listing unscoped;
  const Listing* listing = &unscoped;
  if (scopeListings) {
    auto [kept, added] = scopeListings->try_emplace(std::u16string(folder));
    if (added) kept->second = listingOf(folder);
    listing = &kept->second;
  } else {
    unscoped = listingOf(folder);
  }
  const auto same = listing->find(lowered(name));
  if (same == listing->end()) return std::nullopt;
  const std::u16string* found = nullptr;
  for (const std::u16string& entry : same->second) {
    if (entry != name && (!found || entry < *found)) found = &entry;
  }
  if (!found) return std::nullopt;
  return std::u16string(folder) + *found;
}

std::unique_ptr<platform::FileReader> openModelFile(std::u16string_view path) {
  return readAnyCase(
      path, [](std::u16string_view at) { return platform::fileSystem().openForReading(at); });
}

std::optional<Bytes> readModelFile(std::u16string_view path, std::uint64_t largest) {
  return readAnyCase(path,
                     [largest](std::u16string_view at) { return readWholeFile(at, largest); });
}

std::optional<Bytes> readModelFileHead(std::u16string_view path, std::size_t count) {
  return readAnyCase(path, [count](std::u16string_view at) { return readFileHead(at, count); });
}

}  // namespace qel
