#include "tests/support/temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "base/utf.h"

namespace qel::test {

TempFolder::TempFolder() {
  const char* root = std::getenv("QEL_TEST_TMP");
  std::filesystem::path base = root ? root : std::filesystem::temp_directory_path().string();
  std::filesystem::create_directories(base);
  std::string pattern = (base / "qel-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) std::abort();
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::u16string TempFolder::file(std::string_view name) const {
  return fromUtf8((path_ / std::string(name)).string());
}

std::u16string TempFolder::write(std::string_view name, const Bytes& bytes) const {
  const auto target = path_ / std::string(name);
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

}  // namespace qel::test
