#include <gtest/gtest.h>

#include "app/application.h"
#include "app/commands/commands.h"
#include "app/main_window.h"
#include "app/window_layout.h"
#include "base/utf.h"
#include "container/container_format.h"
#include "dialogs/workshop_name_store.h"
#include "resources/refusal_texts.h"
#include "tests/support/shell_fixtures.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

// A PNG lands in the picture of the pane under the pointer, through the main window as the
// front ends hand it a drop; elsewhere the author says where.
TEST(DroppedFiles, APngGoesIntoThePanePictureItLandsOnOrWhereTheAuthorSays) {
  test::TempFolder folder;
  const std::u16string wide = folder.write("wide.png", test::pngOf(64, 32));
  const std::u16string small = folder.write("small.png", test::pngOf(16, 8));
  // The pane as the window opens: placed in the first client area.
  const platform::ClientArea first = firstClientArea();
  const platform::ClientArea pane = previewPaneArea(first.width, first.height);
  const PaneWording wording{};
  PreviewPane layout(wording);
  layout.resize(pane.width, pane.height);
  const auto dropOn = [&](const PaneArea& picture) {
    return std::pair{pane.x + picture.x + 1, pane.y + picture.y + picture.height - 1};
  };

  test::ScriptedUi ui;
  test::MemorySettingsStore settings;
  settings.put(platform::kSettingsKeyPath, kWorkshopNameValue, u"工房");
  const auto [textureX, textureY] = dropOn(layout.textureArea());
  const auto [sideX, sideY] = dropOn(layout.sideViewArea());
  ui.drop(textureX, textureY, {wide});
  ui.drop(sideX, sideY, {small});
  ui.drop(10, 10, {wide}).pressChoice(1);
  ui.drop(10, 10, {small}).pressChoice(2);
  ui.drop(10, 10, {small}).pressChoice(0);
  EXPECT_EQ(runApplication(ui, settings), 0);

  EXPECT_EQ(ui.textAt(96, 200), u"  DX 16");  // the texture, from the question
  EXPECT_EQ(ui.textAt(96, 280), u"  DX 64");  // the side view, from the question
  ASSERT_EQ(ui.choices.size(), 3u);
  EXPECT_NE(ui.choices[0].text.find(wide), std::u16string::npos);
  EXPECT_EQ(ui.choices[0].buttons,
            (std::vector<std::u16string>{u"テクスチャー(&T)", u"サイドビュー(&V)", u"キャンセル"}));
}

TEST(DroppedFiles, AContainerOpensAfterTheUnsavedQuestionAndAModelIsSet) {
  test::TempFolder folder;
  const std::u16string part =
      folder.write("part.cnt", *serializeContainerBytes(test::readyRecord(), 1));
  folder.writeText("box.mtl", "newmtl skin\nmap_Kd skin.png\n");
  folder.write("skin.png", test::pngOf(8, 8));
  const std::u16string model = folder.writeText(
      "box.obj", "mtllib box.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl skin\nf 1 2 3\nf 3 2 1\n");
  test::CommandBench bench;
  const auto drop = [&](DropTarget target, std::u16string path) {
    const std::vector<std::u16string> paths{std::move(path), folder.file("skin.png")};
    dropFiles(bench.app, bench.ui.window(), target, paths);
  };

  bench.app.document.startNew(bench.app.workshopName.view());
  bench.record().containerName.assign(u"別の箱");
  bench.ui.pressChoice(2);  // キャンセル
  drop(DropTarget::Window, part);
  EXPECT_EQ(bench.record().containerName.view(), u"別の箱");
  bench.ui.pressChoice(1);  // 保存しない
  drop(DropTarget::Window, part);
  EXPECT_EQ(bench.app.document.path(), part);

  // The first file counts, wherever it lands; the model is as short as the part is not.
  bench.ui.pressChoice(1);
  drop(DropTarget::Texture, model);
  EXPECT_EQ(bench.record().modelVertexCount, 6u);
  EXPECT_EQ(bench.ui.choices.size(), 3u);
}

TEST(DroppedFiles, APathLongerThanAPathBufferIsRefusedWithItsReason) {
  test::CommandBench bench;
  for (const std::u16string_view extension : {u".obj", u".cnt"}) {
    const std::vector<std::u16string> paths{u"/" + std::u16string(260, u'n') +
                                            std::u16string(extension)};
    dropFiles(bench.app, bench.ui.window(), DropTarget::Window, paths);
  }
  ASSERT_EQ(bench.ui.messageBoxes.size(), 2u);
  for (const test::MessageBoxCall& box : bench.ui.messageBoxes) {
    EXPECT_NE(box.text.find(resources::pathTooLongText()), std::u16string::npos)
        << toUtf8(box.text);
  }
}

}  // namespace
}  // namespace qel
