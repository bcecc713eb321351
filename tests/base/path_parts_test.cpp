#include "base/path_parts.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

void expectParts(std::u16string_view path, std::u16string_view drive, std::u16string_view directory,
                 std::u16string_view base, std::u16string_view extension) {
  const PathParts parts = splitPath(path);
  EXPECT_EQ(parts.drive, drive);
  EXPECT_EQ(parts.directory, directory);
  EXPECT_EQ(parts.base, base);
  EXPECT_EQ(parts.extension, extension);
}

TEST(SplitPath, SplitsAtBothSeparatorsAndTheLastDot) {
  expectParts(u"C:\\models\\car.obj", u"C:", u"\\models\\", u"car", u".obj");
  expectParts(u"/home/a.b/car", u"", u"/home/a.b/", u"car", u"");
  expectParts(u"sub\\dir/tex.tar.png", u"", u"sub\\dir/", u"tex.tar", u".png");
  expectParts(u"D:car.", u"D:", u"", u"car", u".");
  expectParts(u"", u"", u"", u"", u"");
  EXPECT_EQ(folderOf(u"C:\\data\\car\\car.mtl"), u"C:\\data\\car\\");
  EXPECT_EQ(folderOf(u"car.mtl"), u"");
}

TEST(MakeSiblingPath, ReplacesOrAddsTheExtension) {
  EXPECT_EQ(makeSiblingPath(u"C:\\models\\car.obj", u"tmp"), u"C:\\models\\car.tmp");
  EXPECT_EQ(makeSiblingPath(u"/m.v/car", u"cnt"), u"/m.v/car.cnt");
  EXPECT_EQ(makeSiblingPath(u"a.b.q5c", u"cnt"), u"a.b.cnt");
}

}  // namespace
}  // namespace qel
