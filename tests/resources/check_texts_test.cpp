#include "resources/check_texts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "base/utf.h"

namespace qel::resources {
namespace {

TEST(CheckTexts, EveryProblemCodeTheChecksFindIsSaidInJapanese) {
  // Codes are narrow literals; file names such as u"model.mtl" are not.
  static const std::regex code(R"re([^u]"((?:path|obj|mtl|model|container|walk)\.[a-z0-9-]+)")re");
  std::set<std::string> codes;
  for (const char* folder : {"model", "check"}) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(QEL_SOURCE_DIR) / folder)) {
      std::ifstream file(entry.path());
      std::stringstream text;
      text << file.rdbuf();
      const std::string source = text.str();
      for (std::sregex_iterator it(source.begin(), source.end(), code), end; it != end; ++it)
        codes.insert((*it)[1].str());
    }
  }
  EXPECT_GT(codes.size(), 30u);
  for (const std::string& found : codes) EXPECT_FALSE(checkProblemText(found).empty()) << found;
}

TEST(CheckTexts, ARepeatedProblemIsSaidOnceWithItsFirstLinesAndCountAndErrorsComeFirst) {
  std::vector<Diagnostic> problems = {
      {u"/m/box.obj", 2, Severity::Warning, "obj.short-face", "short"}};
  for (const std::uint32_t line : {3u, 4u, 7u, 9u, 12u})
    problems.push_back({u"/m/box.obj", line, Severity::Error, "obj.no-such-normal", "no normal"});
  const std::u16string text = checkReportText(u"/m/box.obj", problems);
  EXPECT_EQ(text,
            u"エラーが5件、警告が1件見つかりました。\n/m/box.obj\n"
            u"\n・【エラー】box.obj 3、4、7行目ほか（5か所）："
            u"面が、ファイルにない法線の番号を指しています。"
            u"\n・【警告】box.obj 2行目：頂点が3つより少ない面は無視されます。")
      << toUtf8(text);
}

}  // namespace
}  // namespace qel::resources
