#include "tests/support/temp_folder.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

#include "base/utf.h"

namespace qel::test {

std::filesystem::path utf8Path(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string utf8Of(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

TempFolder::TempFolder() {
  const char* root = std::getenv("QEL_TEST_TMP");
  const std::filesystem::path base = root ? utf8Path(root) : std::filesystem::temp_directory_path();
  std::filesystem::create_directories(base);
  std::random_device random;
  std::uniform_int_distribution<unsigned> digit(0, 15);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = "qel-";
    for (int i = 0; i < 8; ++i) name += "0123456789abcdef"[digit(random)];
    if (std::filesystem::create_directory(base / name)) {
      path_ = base / name;
      return;
    }
  }
  std::abort();
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::u16string TempFolder::file(std::string_view name) const {
  return fromUtf8(utf8Of(path_ / utf8Path(name)));
}

std::u16string TempFolder::write(std::string_view name, const Bytes& bytes) const {
  const auto target = path_ / utf8Path(name);
  std::filesystem::create_directories(target.parent_path());
  std::ofstream out(target, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return file(name);
}

std::u16string TempFolder::writeText(std::string_view name, std::string_view text) const {
  return write(name, Bytes(text.begin(), text.end()));
}

Bytes readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> namesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(utf8Of(entry.path().filename()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace qel::test
