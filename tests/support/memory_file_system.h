#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/bytes.h"
#include "base/path_parts.h"
#include "platform/os.h"

namespace qel::test {

// Files in memory under any paths (Windows ones included), installed as the program's
// file system while it lives; remembers every path opened for reading and every one
// written. A replacement lands in the file when committed. Shared by the tests and the fuzz
// targets, which must never reach the disk.
class MemoryFileSystem final : public platform::FileSystem {
 public:
  MemoryFileSystem() { platform::useFileSystem(this); }
  ~MemoryFileSystem() override { platform::useFileSystem(nullptr); }

  void add(std::u16string path, Bytes bytes) { files_[std::move(path)] = std::move(bytes); }
  void addText(std::u16string path, std::string_view text) {
    add(std::move(path), Bytes(text.begin(), text.end()));
  }

  std::unique_ptr<platform::FileReader> openForReading(std::u16string_view path) override {
    opened.emplace_back(path);
    const auto file = files_.find(path);
    if (file == files_.end()) return nullptr;
    return std::make_unique<Reader>(file->second);
  }

  std::unique_ptr<platform::FileReplacement> beginReplacing(std::u16string_view path) override {
    return std::make_unique<Replacement>(*this, std::u16string(path));
  }

  std::vector<std::u16string> listFolder(std::u16string_view folder) override {
    std::vector<std::u16string> names;
    names.reserve(files_.size());
    for (const auto& [path, bytes] : files_) {
      if (folderOf(path) == folder)
        names.emplace_back(std::u16string_view(path).substr(folder.size()));
    }
    return names;
  }

  // The file at path, or nullptr.
  const Bytes* find(std::u16string_view path) const {
    const auto file = files_.find(path);
    return file == files_.end() ? nullptr : &file->second;
  }

  std::vector<std::u16string> opened;
  std::vector<std::u16string> written;

 private:
  class Reader final : public platform::FileReader {
   public:
    explicit Reader(const Bytes& bytes) : bytes_(bytes) {}
    std::optional<std::uint64_t> length() override { return bytes_.size(); }
    std::optional<std::size_t> read(std::span<std::uint8_t> into) override {
      const std::size_t count = std::min(into.size(), bytes_.size() - at_);
      std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(at_), count, into.begin());
      at_ += count;
      return count;
    }

   private:
    const Bytes& bytes_;
    std::size_t at_ = 0;
  };

  class Replacement final : public platform::FileReplacement {
   public:
    Replacement(MemoryFileSystem& files, std::u16string path)
        : files_(files), path_(std::move(path)) {}
    bool write(std::span<const std::uint8_t> bytes) override {
      written_.insert(written_.end(), bytes.begin(), bytes.end());
      return true;
    }
    bool commit() override {
      files_.files_[path_] = std::move(written_);
      files_.written.push_back(path_);
      return true;
    }

   private:
    MemoryFileSystem& files_;
    std::u16string path_;
    Bytes written_;
  };

  std::map<std::u16string, Bytes, std::less<>> files_;  // found by views, without a copy
};

}  // namespace qel::test
