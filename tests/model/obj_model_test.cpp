#include "model/obj_model.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(MaterialEntry, KeepsAtMost63BytesOfItsName) {
  MaterialEntry entry{};
  entry.setName(std::string(70, 'n'));
  EXPECT_EQ(entry.nameView(), std::string(63, 'n'));
  entry.setName("A");
  EXPECT_EQ(entry.nameView(), "A");
}

}  // namespace
}  // namespace qel
