#include <gtest/gtest.h>

#include "app/commands/commands.h"
#include "base/utf.h"
#include "container/container_format.h"
#include "platform/os.h"
#include "resources/refusal_texts.h"
#include "tests/support/faulty_file_system.h"
#include "tests/support/shell_fixtures.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

using test::CommandBench;

constexpr std::u16string_view kQuestion = u"データを初期化しますか？";

class ContainerCommands : public ::testing::Test {
 protected:
  // Saves a complete record through the save command and answers the file's path.
  std::u16string savedContainer(std::string_view name) {
    CommandBench saving;
    saving.record() = test::readyRecord();
    const std::u16string path = folder.file(name);
    saving.ui.choose(path);
    saving.run(saveContainer);
    EXPECT_TRUE(saving.ui.messageBoxes.empty());
    return path;
  }

  test::TempFolder folder;
  CommandBench bench;
};

TEST_F(ContainerCommands, NewAsksOnlyWhenNamesOrDataBlocksWouldBeLost) {
  bench.record().description.assign(u"説明だけ");
  bench.record().typeIndex = 3;
  bench.record().lengthMm = 100.0f;
  bench.run(newContainer);
  EXPECT_TRUE(bench.ui.messageBoxes.empty());
  EXPECT_TRUE(bench.record().description.empty());
  EXPECT_EQ(bench.record().makerName.view(), u"工房");  // the workshop name again
  EXPECT_EQ(bench.ui.repaintCount, 1);

  // Now the maker name alone makes it ask.
  bench.ui.answer(platform::kIdCancel);
  bench.run(newContainer);
  ASSERT_EQ(bench.ui.messageBoxes.size(), 1u);
  EXPECT_EQ(bench.ui.messageBoxes[0].text, kQuestion);
  EXPECT_EQ(bench.ui.messageBoxes[0].caption, u"コンテナ初期化");
  EXPECT_EQ(bench.ui.messageBoxes[0].buttons, platform::MessageBoxButtons::OkCancel);
  EXPECT_EQ(bench.ui.messageBoxes[0].owner, bench.ui.window());
  EXPECT_EQ(bench.ui.repaintCount, 1);
}

TEST_F(ContainerCommands, NewAnsweredOkEmptiesTheRecordButKeepsThePath) {
  bench.record() = test::readyRecord();
  bench.app.document.savedAs(u"D:\\parts\\box.cnt");
  bench.ui.answer(platform::kIdOk);
  bench.run(newContainer);
  EXPECT_EQ(bench.ui.messageBoxes.size(), 1u);
  EXPECT_FALSE(bench.record().modelData || bench.record().textureData ||
               bench.record().sideViewData);
  EXPECT_TRUE(bench.record().containerName.empty());
  EXPECT_EQ(bench.app.document.path(), u"D:\\parts\\box.cnt");
  EXPECT_EQ(bench.ui.repaintCount, 1);

  for (const std::u16string_view part : {u"name", u"model", u"texture", u"side view"}) {
    ContainerRecord record;
    if (part == u"name") record.containerName.assign(u"x");
    if (part == u"model") record.modelData = test::modelBlobOf(1, 0);
    if (part == u"texture") record.textureData = test::pngOf(1, 1);
    if (part == u"side view") record.sideViewData = test::pngOf(1, 1);
    CommandBench other;
    other.record() = record;
    other.ui.answer(platform::kIdCancel);
    other.run(newContainer);
    EXPECT_EQ(other.ui.messageBoxes.size(), 1u);
    EXPECT_EQ(other.record().containerName, record.containerName);
    EXPECT_EQ(other.ui.repaintCount, 0);
  }
}

TEST_F(ContainerCommands, SavedFileOpensAgainToTheSameRecord) {
  const std::u16string path = savedContainer("new-name.cnt");  // a name that did not exist
  bench.ui.choose(path);
  bench.run(openContainer);
  const ContainerRecord& loaded = bench.record();
  EXPECT_NE(loaded.createdTime, 0);  // stamped by the save
  ContainerRecord expected = test::readyRecord();
  expected.createdTime = loaded.createdTime;
  EXPECT_EQ(loaded, expected);
  EXPECT_EQ(bench.app.document.path(), path);
  EXPECT_EQ(bench.ui.repaintCount, 1);
  EXPECT_TRUE(bench.ui.messageBoxes.empty());
}

TEST_F(ContainerCommands, OpenOfANonContainerOrAnEmptyFileChangesNothingAndSaysWhy) {
  bench.record() = test::readyRecord();
  bench.app.document.savedAs(u"before.cnt");
  const std::u16string png = folder.write("picture.cnt", test::pngOf(8, 8, 100));
  const std::u16string empty = folder.write("empty.cnt", {});
  Bytes truncated = test::readFile(test::utf8Path(toUtf8(savedContainer("whole.cnt"))));
  truncated.resize(truncated.size() / 2);
  const std::u16string half = folder.write("half.cnt", truncated);
  bench.ui.choose(png).choose(empty).choose(folder.file("missing.cnt")).choose(half).cancelPicker();
  for (int i = 0; i < 5; ++i) bench.run(openContainer);
  EXPECT_EQ(bench.record().containerName, test::readyRecord().containerName);
  EXPECT_EQ(bench.record().modelData, test::readyRecord().modelData);
  EXPECT_EQ(bench.app.document.path(), u"before.cnt");
  const std::u16string reasons[] = {u"コンテナファイルではありません。",
                                    u"ファイルを読み込めません", u"ファイルを読み込めません",
                                    u"コンテナファイルが破損しています"};
  const std::u16string paths[] = {png, empty, folder.file("missing.cnt"), half};
  ASSERT_EQ(bench.ui.messageBoxes.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    const std::u16string& text = bench.ui.messageBoxes[i].text;
    EXPECT_EQ(text.rfind(u"このファイルは開けません。\n" + paths[i] + u"\n" + reasons[i], 0), 0u)
        << toUtf8(text);
  }
  EXPECT_EQ(bench.ui.repaintCount, 0);
}

TEST_F(ContainerCommands, PickersAreDescribedAsTheCommandsGiveThem) {
  bench.record() = test::readyRecord();
  bench.ui.cancelPicker().cancelPicker();
  bench.run(openContainer);
  bench.run(saveContainer);
  ASSERT_EQ(bench.ui.pickers.size(), 2u);
  const platform::FilePickerRequest& open = bench.ui.pickers[0].request;
  EXPECT_FALSE(bench.ui.pickers[0].save);
  EXPECT_EQ(open.owner, bench.ui.window());
  EXPECT_EQ(open.filterPattern, u"*.cnt;*.q5c");
  EXPECT_EQ(open.path, u"");
  EXPECT_EQ(open.initialFolder, u"");
  EXPECT_EQ(open.flags, 0x1004u);
  EXPECT_EQ(open.defaultExtension, u"cnt");

  const platform::FilePickerRequest& save = bench.ui.pickers[1].request;
  EXPECT_TRUE(bench.ui.pickers[1].save);
  EXPECT_EQ(save.filterPattern, u"*.cnt");
  EXPECT_EQ(save.path, u".cnt");  // nothing opened or saved yet
  // Saving under a new name must work, so the save picker does not demand an existing file.
  EXPECT_EQ(save.flags, platform::kPickerOverwritePrompt | platform::kPickerHideReadOnly);
  EXPECT_EQ(save.defaultExtension, u"cnt");
}

// A clock whose two readings differ in every way that matters to the save command.
class FixedClock final : public platform::Clock {
 public:
  FixedClock() { platform::useClock(this); }
  ~FixedClock() override { platform::useClock(nullptr); }
  std::uint32_t tickMilliseconds() override { return 0xFF123456; }
  std::int64_t calendarSeconds() override { return 1'700'000'000; }
};

TEST_F(ContainerCommands, SaveSeedsWithTheTickCountAndStampsTheCalendarTime) {
  std::u16string path;
  {
    FixedClock clock;
    path = savedContainer("clock.cnt");
  }
  EXPECT_EQ(scrambleSeedOf(test::readFile(toUtf8(path))), 0x123456);
  bench.ui.choose(path);
  bench.run(openContainer);
  EXPECT_EQ(bench.record().createdTime, 1'700'000'000);
}

TEST_F(ContainerCommands, SaveProposesTheOpenedPathWithTheExtensionCnt) {
  const std::u16string saved = savedContainer("box.cnt");
  const std::u16string q5c = folder.write("box.q5c", test::readFile(toUtf8(saved)));
  bench.ui.choose(q5c).cancelPicker();
  bench.run(openContainer);
  bench.run(saveContainer);
  EXPECT_EQ(bench.ui.pickers.back().request.path, saved);

  bench.app.document.savedAs(u"D:\\parts\\box.q5c");
  bench.ui.cancelPicker();
  bench.run(saveContainer);
  EXPECT_EQ(bench.ui.pickers.back().request.path, u"D:\\parts\\box.cnt");
}

TEST_F(ContainerCommands, EveryRefusedSaveSaysWhatIsMissing) {
  const std::u16string_view expected[] = {
      u"保存できません。工房名が設定されていません。",
      u"保存できません。コンテナ名が設定されていません。",
      u"保存できません。3Dモデルが設定されていません。",
      u"保存できません。テクスチャーが設定されていません。",
      u"保存できません。サイドビューが設定されていません。",
  };
  for (int missing = 1; missing <= 5; ++missing) {
    CommandBench saving;
    ContainerRecord& record = saving.record();
    record = test::readyRecord();
    if (missing == 1) {
      saving.app.workshopName.clear();
      record.makerName.clear();
    }
    if (missing == 2) record.containerName.clear();
    if (missing == 3) record.modelData.reset();
    if (missing == 4) record.textureData.reset();
    if (missing == 5) record.sideViewData.reset();
    const std::u16string path = folder.file("refused.cnt");
    saving.run(saveContainer);
    EXPECT_TRUE(saving.ui.pickers.empty()) << "refused before the picker";
    ASSERT_EQ(saving.ui.messageBoxes.size(), 1u) << missing;
    const std::u16string& text = saving.ui.messageBoxes[0].text;
    EXPECT_EQ(text.substr(0, text.find(u'\n')), expected[missing - 1]);
    // The workshop name is set elsewhere than the other items: the advice says where.
    EXPECT_EQ(text.find(u"「工房の設定」") != std::u16string::npos, missing == 1) << missing;
    EXPECT_EQ(saving.ui.messageBoxes[0].caption, u"コンテナを保存");
    EXPECT_EQ(saving.ui.messageBoxes[0].buttons, platform::MessageBoxButtons::Ok);
    EXPECT_EQ(saving.ui.messageBoxes[0].owner, saving.ui.window());
    EXPECT_FALSE(std::filesystem::exists(toUtf8(path)));
    EXPECT_TRUE(saving.app.document.path().empty());
    EXPECT_EQ(saving.ui.repaintCount, 0);
  }
}

TEST_F(ContainerCommands, RefusedSaveStillStampsTheWorkshopName) {
  bench.record().containerName.assign(u"名前");
  bench.run(saveContainer);
  EXPECT_EQ(bench.record().makerName.view(), u"工房");
  EXPECT_EQ(bench.ui.messageBoxes.at(0).text,
            u"保存できません。次の項目が設定されていません。\n・3Dモデル\n・テクスチャー\n"
            u"・サイドビュー\n「設定」メニューで設定してから、もう一度保存してください。");
}

TEST_F(ContainerCommands, FailedWriteSaysWhyWithThePathAndKeepsTheCurrentPath) {
  bench.record() = test::readyRecord();
  bench.app.document.savedAs(u"before.cnt");
  const std::u16string path = folder.file("no-such-folder/box.cnt");
  const std::u16string readOnly = folder.write("kept.cnt", Bytes{1, 2, 3});
  std::filesystem::permissions(toUtf8(readOnly), std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::group_read |
                                                     std::filesystem::perms::others_read);
  bench.ui.choose(path).choose(readOnly);
  bench.run(saveContainer);
  bench.run(saveContainer);
  ASSERT_EQ(bench.ui.messageBoxes.size(), 2u);
  EXPECT_EQ(bench.ui.messageBoxes[0].text,
            u"保存できませんでした。\n" + path + u"\nフォルダーが見つかりません。");
  EXPECT_EQ(bench.ui.messageBoxes[1].text,
            u"保存できませんでした。\n" + readOnly + u"\nファイルが読み取り専用です。");
  EXPECT_EQ(test::readFile(toUtf8(readOnly)), (Bytes{1, 2, 3}));
  EXPECT_EQ(bench.ui.messageBoxes[0].caption, u"コンテナを保存");
  EXPECT_EQ(bench.app.document.path(), u"before.cnt");
  EXPECT_EQ(bench.ui.repaintCount, 0);
}

TEST_F(ContainerCommands, ASavePathLongerThanAPathBufferIsRefusedAndSaid) {
  bench.record() = test::readyRecord();
  bench.app.document.savedAs(u"before.cnt");
  const std::u16string path = folder.file(std::string(260, 'n'));
  bench.ui.choose(path).choose(path);
  bench.run(saveContainer);
  bench.run(exportTextureFile);
  ASSERT_EQ(bench.ui.messageBoxes.size(), 2u);
  EXPECT_EQ(bench.ui.messageBoxes[0].text, u"保存できません。\n" + resources::pathTooLongText());
  EXPECT_EQ(bench.ui.messageBoxes[0].caption, u"コンテナを保存");
  EXPECT_EQ(bench.ui.messageBoxes[1].caption, u"テクスチャー");
  EXPECT_EQ(bench.app.document.path(), u"before.cnt");
  EXPECT_EQ(bench.ui.repaintCount, 0);
}

TEST_F(ContainerCommands, AnOpenPathLongerThanAPathBufferIsSaidWithItsReason) {
  const std::u16string path = folder.file(std::string(260, 'n'));
  bench.ui.choose(path).choose(path);
  bench.run(openContainer);
  bench.run(loadTextureFile);
  ASSERT_EQ(bench.ui.messageBoxes.size(), 2u);
  EXPECT_EQ(bench.ui.messageBoxes[0].text,
            u"このファイルは開けません。\n" + path + u"\n" + resources::pathTooLongText());
  EXPECT_EQ(bench.ui.messageBoxes[0].caption, u"コンテナを開く");
  EXPECT_EQ(bench.ui.messageBoxes[1].caption, u"テクスチャー");
}

// A complete part in the plain form, made by another workshop at a given time.
Bytes plainContainer() {
  const Bytes model = test::modelBlobOf(3, 3);
  const Bytes texture = test::pngOf(16, 16);
  const Bytes sideView = test::pngOf(8, 8);
  return test::ChunkSequence()
      .chunk(kPlainFormMarker, {})
      .text(kContainerNameChunk, u"平文", 32)
      .text(kMakerNameChunk, u"平文工房", 16)
      .chunk(kCreatedTimeChunk, test::concat({test::le32(1234), test::le32(0)}))
      .chunk(kModelChunk, test::concat({test::le32(model.size()), model}))
      .chunk(kTextureChunk, test::concat({{16, 0, 16, 0}, test::le32(texture.size()), texture}))
      .chunk(kSideViewChunk,
             test::concat({test::le32(0), test::le32(0), test::le32(sideView.size()), sideView}))
      .end()
      .bytes();
}

TEST_F(ContainerCommands, APlainFileKeepsItsMakerAndTimeWhenSavedAndNewSignsTheNextPart) {
  const std::u16string plain = folder.write("plain.q5c", plainContainer());
  const std::u16string saved = folder.file("saved.cnt");
  bench.ui.choose(plain).choose(saved);
  bench.run(openContainer);
  bench.run(saveContainer);
  ASSERT_TRUE(bench.ui.messageBoxes.empty());
  ContainerRecord loaded;
  Bytes bytes = test::readFile(toUtf8(saved));
  ASSERT_EQ(parseContainerFile(loaded, bytes), kSuccess);
  EXPECT_EQ(loaded.makerName.view(), u"平文工房");
  EXPECT_EQ(loaded.createdTime, 1234);

  // Nothing of the plain file remains after New: the next part is signed and saves.
  const ContainerRecord ready = test::readyRecord();
  const std::u16string next = folder.file("next.cnt");
  bench.ui.answer(platform::kIdOk).choose(next);
  bench.run(newContainer);
  EXPECT_EQ(bench.record().makerName.view(), u"工房");
  bench.record().containerName = ready.containerName;
  bench.record().modelData = ready.modelData;
  bench.record().textureData = ready.textureData;
  bench.record().sideViewData = ready.sideViewData;
  bench.run(saveContainer);
  EXPECT_TRUE(std::filesystem::exists(toUtf8(next)));
}

TEST_F(ContainerCommands, ACancelledSavePickerLeavesTheMakerAsItWas) {
  bench.record() = test::readyRecord();
  bench.record().makerName.assign(u"前の工房");
  bench.ui.cancelPicker();
  bench.run(saveContainer);
  EXPECT_EQ(bench.record().makerName.view(), u"前の工房");
}

TEST_F(ContainerCommands, ACancelledSaveLeavesTheFileAndThePartAsTheyWere) {
  bench.record() = test::readyRecord();
  const std::u16string path = folder.write("kept.cnt", Bytes{1, 2, 3});
  bench.ui.choose(path);
  bench.ui.cancelLongWork = true;
  bench.run(saveContainer);
  EXPECT_EQ(test::readFile(toUtf8(path)), (Bytes{1, 2, 3}));
  EXPECT_EQ(bench.ui.longWorkTexts.size(), 1u);
  EXPECT_TRUE(bench.ui.messageBoxes.empty());
  EXPECT_TRUE(bench.app.document.path().empty());
  EXPECT_EQ(bench.record().createdTime, test::readyRecord().createdTime);
}

// A folder that takes no new file leaves only an overwrite in place, which a cut-off save can
// damage: the save asks first, and キャンセル leaves the file as it was.
TEST_F(ContainerCommands, ASaveInPlaceAsksFirst) {
  bench.record() = test::readyRecord();
  const std::u16string path = folder.write("kept.cnt", Bytes{1, 2, 3});
  test::FaultyFileSystem faulty;
  faulty.faults.newFilesRefused = true;
  bench.ui.choose(path).pressChoice(1).choose(path).pressChoice(0);
  bench.run(saveContainer);
  EXPECT_EQ(test::readFile(toUtf8(path)), (Bytes{1, 2, 3}));
  bench.run(saveContainer);
  ASSERT_EQ(bench.ui.choices.size(), 2u);
  EXPECT_EQ(bench.ui.choices[0].text.rfind(u"このフォルダーには新しいファイルを作れないため", 0),
            0u);
  EXPECT_EQ(bench.app.document.path(), path);
}

}  // namespace
}  // namespace qel
