// Every text the programs show comes from resources/: a Japanese string literal anywhere else
// is a text that the catalogue does not hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The folders of the programs; tests, benchmarks and fuzz seeds hold Japanese data of their own.
constexpr const char* kProgramFolders[] = {"base",  "platform", "container", "image",
                                           "model", "dialogs",  "preview",   "repair",
                                           "check", "app",      "cli",       "frontends"};

bool nonAscii(const std::string& text) {
  for (const unsigned char c : text) {
    if (c >= 0x80) return true;
  }
  return false;
}

// The wide literals of a source text (u"", L"", QStringLiteral("")) that hold more than ASCII,
// each with its line; comments and narrow literals are passed over.
std::vector<int> japaneseLiteralLines(const std::string& source) {
  std::vector<int> lines;
  int line = 1;
  for (std::size_t i = 0; i < source.size(); ++i) {
    const char c = source[i];
    if (c == '\n') ++line;
    if (source.compare(i, 2, "//") == 0) {
      i = source.find('\n', i) - 1;
    } else if (source.compare(i, 2, "/*") == 0) {
      const std::size_t end = std::min(source.find("*/", i), source.size());
      for (; i < end; ++i) line += source[i] == '\n';
      ++i;
    } else if (c == '"' || (c == '\'' &&
                            (i == 0 || !std::isdigit(static_cast<unsigned char>(source[i - 1]))))) {
      std::size_t end = i + 1;
      while (end < source.size() && source[end] != c && source[end] != '\n') {
        end += source[end] == '\\' ? 2 : 1;
      }
      const bool wide = (i > 0 && (source[i - 1] == 'u' || source[i - 1] == 'L')) ||
                        (i >= 15 && source.compare(i - 15, 15, "QStringLiteral(") == 0);
      if (c == '"' && wide && nonAscii(source.substr(i + 1, end - i - 1))) lines.push_back(line);
      i = end;
    }
  }
  return lines;
}

std::string contentOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(TextCatalogue, NoJapaneseLiteralStandsOutsideTheResources) {
  std::string found;
  for (const char* folder : kProgramFolders) {
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(QEL_SOURCE_DIR) / folder)) {
      const std::string ext = entry.path().extension().string();
      if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
      for (const int line : japaneseLiteralLines(contentOf(entry.path()))) {
        found += fs::relative(entry.path(), QEL_SOURCE_DIR).generic_string() + ":" +
                 std::to_string(line) + "\n";
      }
    }
  }
  EXPECT_TRUE(found.empty()) << found;
}

TEST(TextCatalogue, TheScanFindsWideLiteralsAndPassesOverCommentsAndNarrowOnes) {
  const std::string source =
      "a(u\"\xE7\xAE\xB1\");\n"  // line 1: u"箱"
      "// u\"\xE7\xAE\xB1\"\n"
      "b(\"\xE7\xAE\xB1\", u\"ok\\\"\", 1'000);\n"
      "/* L\"\xE7\xAE\xB1\"\n*/ c(L\"\xE7\xAE\xB1\");\n"  // line 5
      "d(QStringLiteral(\"\xE7\xAE\xB1\"));\n";
  EXPECT_EQ(japaneseLiteralLines(source), (std::vector<int>{1, 5, 6}));
}

}  // namespace
