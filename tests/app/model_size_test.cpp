#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/commands/commands.h"
#include "app/model_unit_setting.h"
#include "app/source_watch.h"
#include "model/model_blob_view.h"
#include "model/model_scale.h"
#include "platform/os.h"
#include "resources/model_size_texts.h"
#include "resources/resources.h"
#include "tests/support/shell_fixtures.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

using test::ChooseEntry;
using test::TypeText;

class SteppedClock final : public platform::Clock {
 public:
  SteppedClock() { platform::useClock(this); }
  ~SteppedClock() override { platform::useClock(nullptr); }
  std::uint32_t tickMilliseconds() override { return now; }
  std::int64_t calendarSeconds() override { return 0; }
  std::uint32_t now = 0;
};

// A textured triangle one unit long (along x) and one high, as box.obj in folder.
std::u16string writeTriangle(test::TempFolder& folder, std::string_view x = "1") {
  folder.writeText("box.mtl", "newmtl skin\nmap_Kd skin.png\n");
  folder.write("skin.png", test::pngOf(8, 8));
  return folder.writeText("box.obj", "mtllib box.mtl\nv 0 0 0\nv " + std::string(x) +
                                         " 0 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 0 1\nvn 0 0 1\n"
                                         "usemtl skin\nf 1/1/1 2/2/1 3/3/1\n");
}

double modelLength(test::CommandBench& bench) {
  return modelExtent(*bench.app.document.record().modelData)->length;
}

TEST(ModelSize, TheUnitChosenIsStoredAndReadBackAtTheNextStart) {
  test::CommandBench bench;
  bench.ui.pressOk({ChooseEntry{resources::kModelUnitList, u"m"}});
  bench.run(editModelSize);
  EXPECT_EQ(bench.app.modelUnit, ModelUnit::Metre);
  EXPECT_EQ(loadModelUnit(bench.settings), ModelUnit::Metre);
  bench.settings.put(platform::kSettingsKeyPath, kModelUnitValue, u"furlong");
  EXPECT_EQ(loadModelUnit(bench.settings), ModelUnit::Millimetre) << "an unknown unit";
}

// The scale multiplies the positions of the model read again from its file, nothing else;
// the file written again is read with the same scale, and a new model starts at its own size.
TEST(ModelSize, AScaleMultipliesThePositionsOnlyAndStaysWithTheSourceFile) {
  test::TempFolder folder;
  SteppedClock clock;
  test::CommandBench bench;
  const std::u16string model = writeTriangle(folder);
  bench.ui.choose(model);
  bench.run(loadModelFile);
  const Bytes before = *bench.app.document.record().modelData;

  bench.ui.pressOk({TypeText{resources::kModelScaleField, u"2.5"}});
  bench.run(editModelSize);
  const ModelBlobView was = *readModelBlob(before).view;
  const ModelBlobView now = *readModelBlob(*bench.app.document.record().modelData).view;
  ASSERT_EQ(now.vertexCount(), 3u);
  for (std::uint32_t i = 0; i < 3; ++i) {
    const ModelVertex a = was.vertex(i), b = now.vertex(i);
    EXPECT_EQ(std::vector<float>({b.x, b.y, b.z, b.nx, b.ny, b.nz, b.u, b.v}),
              std::vector<float>({a.x * 2.5f, a.y * 2.5f, a.z * 2.5f, a.nx, a.ny, a.nz, a.u, a.v}));
  }

  bench.settings.put(platform::kSettingsKeyPath, kReloadWithoutAskingValue, u"1");
  writeTriangle(folder, "4");
  for (const std::uint32_t now : {100u, 5000u}) {  // written, then quiet
    clock.now = now;
    offerChangedSources(bench.app, bench.ui.window());
  }
  EXPECT_DOUBLE_EQ(modelLength(bench), 10.0);

  bench.ui.choose(model);
  bench.run(loadModelFile);
  EXPECT_DOUBLE_EQ(modelLength(bench), 4.0);
}

TEST(ModelSize, TheFitButtonScalesTheModelToThePartsLengthAtTheChosenUnit) {
  test::TempFolder folder;
  test::CommandBench bench;
  bench.ui.choose(writeTriangle(folder));
  bench.run(loadModelFile);
  bench.record().lengthMm = 3000.0f;

  bench.ui.pressButton(resources::kFitLengthButton, {ChooseEntry{resources::kModelUnitList, u"m"}})
      .pressOk();
  bench.run(editModelSize);
  EXPECT_DOUBLE_EQ(modelLength(bench), 3.0);
}

TEST(ModelSize, ANewModelOfAnotherLengthThanThePartIsOfferedTheFit) {
  test::TempFolder folder;
  test::CommandBench bench;
  bench.record().lengthMm = 2000.0f;
  bench.ui.choose(writeTriangle(folder)).pressChoice(0);
  bench.run(loadModelFile);
  ASSERT_EQ(bench.ui.choices.size(), 1u);
  EXPECT_EQ(bench.ui.choices[0].text,
            resources::fitLengthOfferText(2000.0, ModelUnit::Millimetre, 1.0, 2000.0,
                                          {2000.0, 0.0, 2000.0}));
  EXPECT_DOUBLE_EQ(modelLength(bench), 2000.0);

  // One that matches at the author's unit is set without a question.
  bench.app.modelUnit = ModelUnit::Metre;
  bench.record().lengthMm = 1000.0f;
  bench.ui.choose(writeTriangle(folder));
  bench.run(loadModelFile);
  EXPECT_EQ(bench.ui.choices.size(), 1u);
  EXPECT_DOUBLE_EQ(modelLength(bench), 1.0);
}

TEST(ModelSize, AScaleOutOfBoundsKeepsTheDialogOpenWithTheReason) {
  test::TempFolder folder;
  test::CommandBench bench;
  bench.ui.choose(writeTriangle(folder));
  bench.run(loadModelFile);
  const std::uint64_t revision = bench.app.document.revision();
  bench.ui.pressOk({TypeText{resources::kModelScaleField, u"0"}})
      .pressCancel({TypeText{resources::kModelScaleField, u"２"}});
  bench.run(editModelSize);
  EXPECT_EQ(bench.app.document.revision(), revision);
  EXPECT_TRUE(bench.ui.scriptFinished()) << "the refused OK left the dialog open";
}

}  // namespace
}  // namespace qel
