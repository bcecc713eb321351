#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/bytes.h"

namespace qel::test {

// Paths from and to UTF-8 text. std::filesystem reads a narrow string in the ANSI code page
// on Windows, so a Japanese name built from one would name another file there.
std::filesystem::path utf8Path(std::string_view text);
std::string utf8Of(const std::filesystem::path& path);

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The UTF-16 path of name inside the folder, as the program takes paths.
  std::u16string file(std::string_view name) const;
  // Writes bytes (or text) into name and answers its UTF-16 path.
  std::u16string write(std::string_view name, const Bytes& bytes) const;
  std::u16string writeText(std::string_view name, std::string_view text) const;

 private:
  std::filesystem::path path_;
};

// The content of a file, or an empty buffer when it cannot be read.
Bytes readFile(const std::filesystem::path& path);

// The names of a folder's entries, sorted.
std::vector<std::string> namesIn(const std::filesystem::path& folder);

}  // namespace qel::test
