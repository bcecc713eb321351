// Reads the source tree and fails on an include that runs against the layers: each folder
// may include only the folders beneath it, so that a change to the shell or a front end can
// never reach the document code.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Layer of a file: the longest listed folder that its path starts with.
const std::map<std::string, std::set<std::string>> kAllowedIncludes = {
    {"base", {}},
    {"platform", {"base"}},
    {"resources", {"base", "platform", "container", "image", "model"}},
    {"container", {"base", "platform"}},
    {"image", {"base", "platform", "container"}},
    {"model", {"base", "platform", "container", "image"}},
    {"dialogs", {"base", "platform", "resources", "container", "image", "model"}},
    {"preview", {"base", "container", "image", "model"}},
    {"repair", {"base", "platform", "container", "image", "model", "preview"}},
    {"check", {"base", "platform", "container", "image", "model", "dialogs"}},
    {"app",
     {"base", "platform", "resources", "container", "image", "model", "dialogs", "preview",
      "repair", "check"}},
    {"cli",
     {"base", "platform", "container", "image", "model", "dialogs", "preview", "repair", "check",
      "app"}},
    {"frontends/qt",
     {"base", "platform", "resources", "container", "image", "model", "dialogs", "preview",
      "repair", "app"}},
    {"frontends/win32",
     {"base", "platform", "resources", "container", "image", "model", "dialogs", "preview",
      "repair", "app"}},
    {"frontends/web",
     {"base", "platform", "resources", "container", "image", "model", "dialogs", "preview",
      "repair", "app"}},
};

std::string layerOf(const std::string& path) {
  std::string best;
  for (const auto& [layer, allowed] : kAllowedIncludes) {
    if (path.rfind(layer + "/", 0) == 0 && layer.size() > best.size()) best = layer;
  }
  return best;
}

std::vector<std::string> violations(const fs::path& root) {
  static const std::regex include(R"(^\s*#\s*include\s*"([^"]+)\")");
  // Only the layers' own folders: the build folder may hold a wine prefix whose drive links
  // lead round the whole file system.
  std::set<std::string> topFolders;
  for (const auto& entry : kAllowedIncludes)
    topFolders.insert(entry.first.substr(0, entry.first.find('/')));
  std::vector<std::string> found;
  for (const auto& folder : topFolders) {
    for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
      const std::string ext = entry.path().extension().string();
      if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
      const std::string path = fs::relative(entry.path(), root).generic_string();
      const std::string layer = layerOf(path);
      if (layer.empty()) continue;
      std::ifstream in(entry.path());
      std::string line;
      int lineNumber = 0;
      while (std::getline(in, line)) {
        ++lineNumber;
        std::smatch match;
        if (!std::regex_search(line, match, include)) continue;
        const std::string target = layerOf(match[1].str());
        if (target.empty() || target == layer) continue;  // a header beside it or a library's
        if (!kAllowedIncludes.at(layer).contains(target)) {
          found.push_back(path + ":" + std::to_string(lineNumber) + " includes " + match[1].str());
        }
      }
    }
  }
  return found;
}

TEST(Layering, NoIncludeRunsAgainstTheLayers) {
  const auto found = violations(QEL_SOURCE_DIR);
  std::string report;
  for (const auto& line : found) report += line + "\n";
  EXPECT_TRUE(found.empty()) << report;
}

}  // namespace
