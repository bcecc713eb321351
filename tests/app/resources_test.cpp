#include <gtest/gtest.h>

#include "resources/resources.h"

namespace qel {
namespace {

TEST(Resources, TheTypeIsChosenFromASortedListWithoutAFreeTextField) {
  const resources::DialogTemplate* dialog = resources::findDialog(resources::kParameterDialog);
  ASSERT_NE(dialog, nullptr);
  const auto& typeList = dialog->controls[2];
  ASSERT_EQ(typeList.id, 1001);
  EXPECT_EQ(typeList.kind, resources::ControlKind::ComboBox);
  EXPECT_EQ(typeList.style & 0x3u, resources::kComboDropDownList);
  EXPECT_TRUE(typeList.style & resources::kComboSort);
}

}  // namespace
}  // namespace qel
