#include <gtest/gtest.h>

#include <bit>
#include <limits>

#include "app/application.h"
#include "dialogs/workshop_name_store.h"
#include "resources/resources.h"
#include "tests/support/container_fixtures.h"
#include "tests/support/shell_fixtures.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

// A plain container file with texts that fill their fields without a terminator.
Bytes plainFile(float lengthMm, std::uint32_t typeIndex) {
  return test::ChunkSequence()
      .chunk(0x00801000, {})
      .text(0x801001, std::u16string(32, u'N'), 32)
      .chunk(0x801003, test::le32(std::bit_cast<std::uint32_t>(lengthMm)))
      .text(0x801005, std::u16string(64, u'D'), 64)
      .text(0x801006, std::u16string(16, u'M'), 16)
      .chunk(0x801007, test::le32(typeIndex))
      .end()
      .bytes();
}

// Opens the file, paints it and opens the parameter dialog on it, confirming unchanged.
test::ScriptedUi openAndConfirm(const std::u16string& path) {
  test::MemorySettingsStore settings;
  settings.put(platform::kSettingsKeyPath, kWorkshopNameValue, u"工房");
  test::ScriptedUi ui;
  ui.press({u'O', false, false, true, false}).choose(path);
  ui.menu(MenuCommand::SetParameters).pressOk();
  ui.menu(MenuCommand::SetParameters).pressCancel();
  EXPECT_EQ(runApplication(ui, settings), 0);
  return ui;
}

TEST(ValuesFromFiles, AnyLengthTypeOrTextIsShownWithoutUndefinedBehaviour) {
  test::TempFolder folder;
  const float kInf = std::numeric_limits<float>::infinity();
  const float kNaN = std::numeric_limits<float>::quiet_NaN();
  const struct {
    float length;
    std::uint32_t type;
    std::u16string shown;
    std::u16string confirmed;
  } cases[] = {
      {kNaN, 0xFFFFFFFFu, u"0", u"0"},
      {-kInf, 7, u"0", u"0"},
      {1e10f, 9, u"1410065408", u"50000"},
      {-2.5f, 12, u"4294967294", u"50000"},
  };
  for (const auto& c : cases) {
    const test::ScriptedUi ui =
        openAndConfirm(folder.write("odd.cnt", plainFile(c.length, c.type)));
    ASSERT_EQ(ui.dialogs.size(), 2u);
    EXPECT_EQ(ui.dialogs[0].textsAtOpen.at(resources::kLengthField), c.shown) << c.length;
    // Confirming stores a whole, capped length and a type from the list.
    EXPECT_EQ(ui.dialogs[1].textsAtOpen.at(resources::kLengthField), c.confirmed);
    EXPECT_EQ(ui.dialogs[1].selectionAtOpen.at(resources::kTypeList),
              ui.dialogs[0].selectionAtOpen.at(resources::kTypeList));
    // Texts without a terminator are shown within their fields.
    EXPECT_EQ(ui.dialogs[0].textsAtOpen.at(resources::kDescriptionField), std::u16string(63, u'D'));
    EXPECT_EQ(ui.textAt(96, 40).value_or(u"").size(), 15u);
    EXPECT_EQ(ui.textAt(96, 60).value_or(u"").size(), 31u);
    EXPECT_EQ(ui.textAt(96, 80).value_or(u"").size(), 63u);
  }
}

}  // namespace
}  // namespace qel
