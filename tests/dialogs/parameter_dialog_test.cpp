#include "dialogs/parameter_dialog.h"
#include "dialogs/unsigned_field.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/commands/commands.h"
#include "resources/resources.h"
#include "tests/support/shell_fixtures.h"

namespace qel {
namespace {

using test::ChooseEntry;
using test::ComboEntry;
using test::CommandBench;
using test::TypeText;

class EditParameters : public ::testing::Test {
 protected:
  // Opens the dialog on the record and confirms it with inputs.
  const test::DialogCall& confirm(std::vector<test::DialogInput> inputs = {}) {
    bench.ui.pressOk(std::move(inputs));
    bench.run(editParameters);
    return bench.ui.dialogs.back();
  }
  CommandBench bench;
};

TEST_F(EditParameters, TheTypeListIsSortedAndEachEntryCarriesItsTableIndex) {
  const test::DialogCall& dialog = confirm();
  EXPECT_EQ(dialog.templateId, resources::kParameterDialog);
  const std::vector<ComboEntry> expected = {
      {u"---", 0},      {u"12ft/10ft", 5}, {u"20ft", 9},    {u"30ft", 10},   {u"ISO20ft", 11},
      {u"ISO40ft", 12}, {u"自動車L", 4},   {u"自動車M", 3}, {u"自動車S", 2}, {u"荷物", 1},
  };
  EXPECT_EQ(dialog.comboAtOpen.at(resources::kTypeList), expected);
  EXPECT_EQ(dialog.selectionAtOpen.at(resources::kTypeList), 0);
  EXPECT_EQ(dialog.textsAtOpen.at(resources::kLengthField), u"0");
  EXPECT_EQ(dialog.textsAtOpen.at(resources::kDescriptionField), u"");
}

TEST_F(EditParameters, ATypeTheListDoesNotOfferOpensAtTheFirstEntryAndStoresZero) {
  for (std::uint32_t typeIndex : {7u, 13u, 16u, 0xFFFFFFFFu}) {
    bench.record().typeIndex = typeIndex;
    const test::DialogCall& dialog = confirm();
    EXPECT_EQ(dialog.selectionAtOpen.at(resources::kTypeList), 0) << typeIndex;
    EXPECT_EQ(bench.record().typeIndex, 0u) << typeIndex;
  }
}

TEST_F(EditParameters, AnOfferedTypeOpensSelectedAndAChosenOneIsStoredByItsIndex) {
  bench.record().typeIndex = 12;
  const test::DialogCall& dialog = confirm();
  EXPECT_EQ(dialog.selectionAtOpen.at(resources::kTypeList), 5);  // "ISO40ft"
  EXPECT_EQ(bench.record().typeIndex, 12u);

  confirm({ChooseEntry{resources::kTypeList, u"荷物"}});
  EXPECT_EQ(bench.record().typeIndex, 1u);
}

TEST_F(EditParameters, LengthIsCappedAndAnInvalidEntryKeepsTheOldValue) {
  bench.record().lengthMm = 250.9f;
  EXPECT_EQ(confirm().textsAtOpen.at(resources::kLengthField), u"250");
  EXPECT_EQ(bench.record().lengthMm, 250.0f);

  confirm({TypeText{resources::kLengthField, u"60000"}});
  EXPECT_EQ(bench.record().lengthMm, 50000.0f);
  confirm({TypeText{resources::kLengthField, u"0"}});
  EXPECT_EQ(bench.record().lengthMm, 0.0f);

  bench.record().lengthMm = 1234.0f;
  confirm({TypeText{resources::kLengthField, u""}});
  EXPECT_EQ(bench.record().lengthMm, 1234.0f);
  confirm({TypeText{resources::kLengthField, u"4294967296"}});  // beyond any unsigned number
  EXPECT_EQ(bench.record().lengthMm, 1234.0f);
  confirm({TypeText{resources::kLengthField, u"4294967295"}});
  EXPECT_EQ(bench.record().lengthMm, 50000.0f);
}

TEST_F(EditParameters, TheDescriptionKeepsWhatItsFieldHolds) {
  const std::u16string full(63, u'説');
  bench.record().description.assign(full);
  EXPECT_EQ(confirm().textsAtOpen.at(resources::kDescriptionField), full);
  EXPECT_EQ(bench.record().description.view(), full);

  confirm({TypeText{resources::kDescriptionField, u"一行目\r\n二行目" + std::u16string(70, u'x')}});
  EXPECT_EQ(bench.record().description.view().size(), 63u);
  EXPECT_EQ(bench.record().description.view().substr(0, 8), u"一行目\r\n二行目");
}

TEST_F(EditParameters, CancelChangesNothingAndDoesNotRepaint) {
  bench.record().typeIndex = 16;
  bench.record().lengthMm = 5.5f;
  bench.ui.pressCancel(
      {TypeText{resources::kLengthField, u"100"}, ChooseEntry{resources::kTypeList, u"20ft"}});
  bench.run(editParameters);
  EXPECT_EQ(bench.record().typeIndex, 16u);
  EXPECT_EQ(bench.record().lengthMm, 5.5f);
  EXPECT_EQ(bench.ui.repaintCount, 0);
}

TEST(LengthField, ShowsAnyStoredLengthAsAnUnsignedWholeNumber) {
  const float kInfinity = std::numeric_limits<float>::infinity();
  EXPECT_EQ(lengthFieldValue(250.7f), 250u);
  EXPECT_EQ(lengthFieldValue(-0.5f), 0u);
  EXPECT_EQ(lengthFieldValue(-1.5f), 4294967295u);  // modulo 2^32
  EXPECT_EQ(lengthFieldValue(4294967296.0f), 0u);
  EXPECT_EQ(lengthFieldValue(4294967296.0f * 3 + 4096.0f), 4096u);
  EXPECT_EQ(lengthFieldValue(std::numeric_limits<float>::max()), 0u);
  EXPECT_EQ(lengthFieldValue(kInfinity), 0u);
  EXPECT_EQ(lengthFieldValue(-kInfinity), 0u);
  EXPECT_EQ(lengthFieldValue(std::nanf("")), 0u);
}

TEST(UnsignedField, ReadsDecimalNumbersAndRefusesEverythingElse) {
  EXPECT_EQ(parseUnsignedField(u"0"), 0u);
  EXPECT_EQ(parseUnsignedField(u"60000"), 60000u);
  EXPECT_EQ(parseUnsignedField(u"  42"), 42u);
  EXPECT_EQ(parseUnsignedField(u"4294967295"), 4294967295u);
  EXPECT_EQ(parseUnsignedField(u"4294967296"), std::nullopt);
  EXPECT_EQ(parseUnsignedField(u"99999999999999999999999"), std::nullopt);
  EXPECT_EQ(parseUnsignedField(u""), std::nullopt);
  EXPECT_EQ(parseUnsignedField(u"   "), std::nullopt);
  EXPECT_EQ(parseUnsignedField(u"12a"), std::nullopt);
  EXPECT_EQ(parseUnsignedField(u"-1"), std::nullopt);
  EXPECT_EQ(parseUnsignedField(u"１２１９２"), 12192u);  // as an input method types them
  EXPECT_EQ(parseUnsignedField(u"１２．"), std::nullopt);
}

}  // namespace
}  // namespace qel
