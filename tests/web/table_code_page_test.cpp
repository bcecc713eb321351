#include <gtest/gtest.h>

#include <string>

#include "platform/code_page_932.h"
#include "platform/os.h"
#include "platform/web/cp932_table.h"

namespace qel::platform {
namespace {

TEST(TableCodePageTest, ConvertsEveryLeadAndSecondByteAsTheLinuxProgram) {
  const auto table = makeTableCodePage();
  for (int lead = 0x80; lead <= 0xFF; ++lead) {
    for (int trail = 0; trail <= 0xFF; ++trail) {
      const std::string bytes = {static_cast<char>(lead), static_cast<char>(trail), 'x'};
      ASSERT_EQ(table->toWide(bytes), systemCodePage().toWide(bytes)) << lead << " " << trail;
    }
  }
}

}  // namespace
}  // namespace qel::platform
