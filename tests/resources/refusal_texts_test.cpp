#include "resources/refusal_texts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <vector>

#include "base/utf.h"
#include "resources/shell_texts.h"

namespace qel::resources {
namespace {

// Said in both languages, with nothing left to fill in.
void expectSaid(const std::u16string& japanese, const std::string& english) {
  EXPECT_FALSE(japanese.empty()) << english;
  EXPECT_EQ(japanese.find(u'%'), std::u16string::npos) << toUtf8(japanese);
  EXPECT_FALSE(english.empty()) << toUtf8(japanese);
}

TEST(RefusalTexts, EveryRefusalOfAFileImageOrSaveIsSaidInBothLanguages) {
  using enum ContainerFileRefusal;
  for (const auto refusal : {Unreadable, TooLarge, NotAContainer, Damaged}) {
    const ContainerFileOpening opening{refusal, 600'000'000, {}};
    expectSaid(japaneseText(opening, u"a.cnt"), englishText(opening));
  }
  for (const auto problem :
       {ImageProblem::Unreadable, ImageProblem::NotPng, ImageProblem::TooLarge}) {
    const ImageCheck check{problem, {1024, 768}};
    expectSaid(japaneseText(check), englishText(check));
  }
  using platform::WriteReason;
  for (const auto cause : {WriteReason::ReadOnly, WriteReason::NoPermission, WriteReason::DiskFull,
                           WriteReason::FolderMissing, WriteReason::PathTooLong,
                           WriteReason::HeldByOther, WriteReason::Other}) {
    const ContainerSave save{ContainerSave::Refusal::WriteFailed, 100, cause};
    expectSaid(japaneseText(save, u"a.cnt"), englishText(save));
  }
  const SaveReadiness incomplete{{RecordItem::MakerName, RecordItem::ContainerName,
                                  RecordItem::Model, RecordItem::Texture, RecordItem::SideView}};
  expectSaid(japaneseText(incomplete), englishText(incomplete));
  const ContainerSave tooLarge{ContainerSave::Refusal::TooLarge, 600'000'000, {}};
  expectSaid(japaneseText(tooLarge, u"a.cnt"), englishText(tooLarge));
  EXPECT_NE(japaneseText(tooLarge, u"a.cnt").find(u"600,000,000"), std::u16string::npos);
}

TEST(RefusalTexts, AWriteFailureOfNoKnownReasonShowsTheSystemsErrorAndCall) {
  const platform::WriteFailure failure{platform::WriteReason::Other, 1117, "FlushFileBuffers"};
  const std::u16string said = japaneseText(failure);
  EXPECT_NE(said.find(u"1117"), std::u16string::npos) << toUtf8(said);
  EXPECT_NE(said.find(u"FlushFileBuffers"), std::u16string::npos) << toUtf8(said);
}

TEST(RefusalTexts, EveryErrorCodeOfTheModelImportHasAJapaneseTextOfItsOwn) {
  // The codes as docs/cli.md lists them.
  std::ifstream reference(std::filesystem::path(QEL_SOURCE_DIR) / "docs" / "cli.md");
  std::stringstream text;
  text << reference.rdbuf();
  const std::string table = text.str();
  static const std::regex row(R"(\| `((?:path|obj|mtl|model|repair)\.[a-z0-9-]+)` \| error \|)");
  ModelRefusal unknown{"x.unknown", u"m.obj", 3, "line 3: ?", {}, {}};
  const std::u16string generic = japaneseText(unknown);
  int codes = 0;
  for (std::sregex_iterator it(table.begin(), table.end(), row), end; it != end; ++it, ++codes) {
    ModelRefusal refusal = unknown;
    refusal.code = (*it)[1].str();
    const std::u16string said = japaneseText(refusal);
    EXPECT_NE(said, generic) << refusal.code;
    EXPECT_EQ(said.find(u'%'), std::u16string::npos) << refusal.code;
  }
  EXPECT_GT(codes, 10);
}

TEST(RefusalTexts, AMaterialLibraryThatCouldNotBeReadIsNamedWithWhatWasWrong) {
  ModelRefusal refusal{"model.no-texture-material", u"m.obj", 0, "?", {}, u"C:/a/car.mtl"};
  std::vector<std::u16string> said;
  for (const LibraryFault fault :
       {LibraryFault::NotRead, LibraryFault::TooLong, LibraryFault::Utf16}) {
    refusal.libraryFault = fault;
    said.push_back(japaneseText(refusal));
    EXPECT_NE(said.back().find(u"「car.mtl」"), std::u16string::npos) << toUtf8(said.back());
  }
  EXPECT_NE(said[0], said[1]);
  EXPECT_NE(said[1], said[2]);
  EXPECT_NE(said[2].find(u"UTF-16"), std::u16string::npos);
}

// Without its MTL file the repair has no material colours: the offer must not promise them.
TEST(RefusalTexts, TheRepairOfAModelWithoutItsMaterialLibraryOffersGrey) {
  ModelRefusal refusal{"model.no-texture-material", u"m.obj", 0, "?", {}, u"C:/a/car.mtl"};
  const std::u16string offer = repairOfferText(refusal, {});
  EXPECT_EQ(offer.find(u"Kd"), std::u16string::npos) << toUtf8(offer);
  EXPECT_NE(offer.find(u"灰色"), std::u16string::npos) << toUtf8(offer);
  refusal.unreadableLibrary.clear();
  EXPECT_NE(repairOfferText(refusal, {}).find(u"Kd"), std::u16string::npos);
}

TEST(RefusalTexts, ATextureWithoutANameIsSaidInWordsNotAsEmptyQuotes) {
  const ModelRefusal refusal{"model.texture-unreadable", u"m.obj", 0, "?", {}, {}};
  const std::u16string said = japaneseText(refusal);
  EXPECT_EQ(said.find(u"「」"), std::u16string::npos) << toUtf8(said);
}

}  // namespace
}  // namespace qel::resources
