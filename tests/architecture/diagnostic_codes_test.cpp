// The codes of qelcontainer-cli check are a public interface: every code that the checks
// can report stands in the table of docs/cli.md, and the table names no other.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string contentOf(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::set<std::string> matches(const std::string& text, const std::regex& pattern) {
  std::set<std::string> found;
  for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it) {
    found.insert((*it)[1].str());
  }
  return found;
}

TEST(DiagnosticCodes, AreTheOnesInTheCommandLineReference) {
  // Narrow literals only: u"model.obj" is a file name.
  static const std::regex inCode(
      R"re([^u]"((?:path|walk|obj|mtl|model|repair|blob|container)\.[a-z0-9-]+)")re");
  std::set<std::string> reported;
  for (const char* folder : {"model", "repair", "check"}) {
    for (const auto& entry : fs::directory_iterator(fs::path(QEL_SOURCE_DIR) / folder)) {
      const auto more = matches(contentOf(entry.path()), inCode);
      reported.insert(more.begin(), more.end());
    }
  }
  static const std::regex inTable(R"(\n\| `([a-z]+\.[a-z0-9-]+)` \| (?:error|warning) \|)");
  const auto documented = matches(contentOf(fs::path(QEL_SOURCE_DIR) / "docs" / "cli.md"), inTable);
  EXPECT_FALSE(reported.empty());
  EXPECT_EQ(reported, documented);
}

}  // namespace
