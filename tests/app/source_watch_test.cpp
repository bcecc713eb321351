#include "app/source_watch.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/commands/commands.h"
#include "container/container_format.h"
#include "dialogs/workshop_name_store.h"
#include "platform/os.h"
#include "tests/support/shell_fixtures.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

class SteppedClock final : public platform::Clock {
 public:
  SteppedClock() { platform::useClock(this); }
  ~SteppedClock() override { platform::useClock(nullptr); }
  std::uint32_t tickMilliseconds() override { return now; }
  std::int64_t calendarSeconds() override { return 0; }
  std::uint32_t now = 0;
};

std::string triangles(int count) {
  std::string obj = "mtllib box.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl skin\n";
  for (int i = 0; i < count; ++i) obj += "f 1 2 3\n";
  return obj;
}

// Sets box.obj of count triangles, with its material file and texture, as the model.
std::u16string setBoxModel(test::TempFolder& folder, test::CommandBench& bench, int count) {
  folder.writeText("box.mtl", "newmtl skin\nmap_Kd skin.png\n");
  folder.write("skin.png", test::pngOf(8, 8));
  const std::u16string model = folder.writeText("box.obj", triangles(count));
  bench.ui.choose(model);
  bench.run(loadModelFile);
  return model;
}

// An export writes the model more than once; the author is asked once, and only when back
// in the main window.
TEST(SourceWatch, AModelWrittenAgainIsOfferedOnceAndSetAgainByTheSameRoad) {
  test::TempFolder folder;
  SteppedClock clock;
  test::CommandBench bench;
  const std::u16string model = setBoxModel(folder, bench, 1);
  const auto tickAt = [&](std::uint32_t now) {
    clock.now = now;
    offerChangedSources(bench.app, bench.ui.window());
  };

  tickAt(100);
  folder.writeText("box.obj", triangles(2));
  tickAt(200);
  folder.writeText("box.obj", triangles(3));
  tickAt(700);
  tickAt(1500);  // 800 ms after the last write
  EXPECT_TRUE(bench.ui.choices.empty());
  bench.ui.active = false;
  tickAt(1800);
  EXPECT_TRUE(bench.ui.choices.empty()) << "nothing shown while the author is elsewhere";

  bench.ui.active = true;
  bench.ui.pressChoice(0);
  tickAt(2000);
  tickAt(5000);
  ASSERT_EQ(bench.ui.choices.size(), 1u);
  EXPECT_EQ(bench.ui.choices[0].text,
            resources::reloadOfferText(u"", resources::SourceKind::Model,
                                       resources::SourceFileRole::Source, model));
  EXPECT_EQ(bench.record().modelVertexCount, 9u);

  // Set again without asking from then on.
  folder.writeText("box.obj", triangles(4));
  tickAt(5100);
  bench.ui.pressChoice(1);
  tickAt(6200);
  folder.writeText("box.obj", triangles(1));
  tickAt(6300);
  tickAt(7400);
  EXPECT_EQ(bench.ui.choices.size(), 2u);
  EXPECT_EQ(bench.settings.readString(platform::kSettingsKeyPath, kReloadWithoutAskingValue), u"1");
  EXPECT_EQ(bench.record().modelVertexCount, 3u);
}

// The question names the part and the file written; 読み込み直さない leaves the model.
TEST(SourceWatch, AModelIsOfferedAgainWhenItsMaterialFileIsWrittenAgain) {
  test::TempFolder folder;
  SteppedClock clock;
  test::CommandBench bench;
  bench.record().containerName.assign(u"箱");
  setBoxModel(folder, bench, 1);
  const std::uint64_t revision = bench.app.document.revision();
  clock.now = 100;
  offerChangedSources(bench.app, bench.ui.window());
  const std::u16string library =
      folder.writeText("box.mtl", "newmtl skin\nmap_Kd skin.png\nnewmtl more\n");
  bench.ui.pressChoice(2);
  for (const std::uint32_t now : {200u, 1500u}) {
    clock.now = now;
    offerChangedSources(bench.app, bench.ui.window());
  }
  ASSERT_EQ(bench.ui.choices.size(), 1u);
  const std::u16string& question = bench.ui.choices[0].text;
  EXPECT_NE(question.find(u"コンテナ「箱」の3DモデルのMTLファイル"), std::u16string::npos);
  EXPECT_NE(question.find(library), std::u16string::npos);
  EXPECT_EQ(bench.app.document.revision(), revision);
}

// An export that deletes before it writes: nothing is offered while a file is missing.
TEST(SourceWatch, AFileThatIsMissingHoldsTheOfferBack) {
  test::TempFolder folder;
  SteppedClock clock;
  test::CommandBench bench;
  setBoxModel(folder, bench, 1);
  std::filesystem::remove(folder.path() / "skin.png");
  for (const std::uint32_t now : {100u, 1500u}) {
    clock.now = now;
    offerChangedSources(bench.app, bench.ui.window());
  }
  EXPECT_TRUE(bench.ui.choices.empty());
}

// What one part watched is forgotten when another opens, even when reloads need no question.
TEST(SourceWatch, AnotherPartOpenedKeepsItsModelWhenTheLastPartsModelIsWritten) {
  test::TempFolder folder;
  SteppedClock clock;
  test::CommandBench bench;
  bench.settings.put(platform::kSettingsKeyPath, kReloadWithoutAskingValue, u"1");
  setBoxModel(folder, bench, 4);
  const std::u16string other =
      folder.write("b.cnt", *serializeContainerBytes(test::readyRecord(), 1));
  openContainerAt(bench.app, bench.ui.window(), other);
  folder.writeText("box.obj", triangles(2));
  for (const std::uint32_t now : {100u, 1500u}) {
    clock.now = now;
    offerChangedSources(bench.app, bench.ui.window());
  }
  EXPECT_EQ(bench.record().modelData, test::readyRecord().modelData);
  EXPECT_EQ(bench.app.document.path(), other);
}

}  // namespace
}  // namespace qel
