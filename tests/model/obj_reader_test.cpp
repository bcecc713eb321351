#include "model/obj_reader.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <filesystem>

#include "model/line_pieces.h"
#include "model/model_blob.h"
#include "tests/model/model_fixtures.h"
#include "tests/support/memory_file_system.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

constexpr std::string_view kTriangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";
constexpr std::string_view kSquare = "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\n";

class ObjReaderTest : public ::testing::Test {
 protected:
  Result read(std::string_view obj) {
    files.addText(u"/m/car.obj", obj);
    model = createObjModel();
    diagnostics = ModelDiagnostics(ModelDiagnostics::Mode::FirstError);
    return readObjFile(u"/m/car.obj", *model, sink, diagnostics);
  }

  std::vector<std::uint16_t> indices() const {
    return {model->indices.begin(), model->indices.begin() + model->indices.size()};
  }
  Vector3 normalOf(int vertex) const {
    const ModelVertex& v = model->vertices[vertex];
    return {v.nx, v.ny, v.nz};
  }
  TexCoord uvOf(int vertex) const { return {model->vertices[vertex].u, model->vertices[vertex].v}; }

  test::MemoryFileSystem files;
  ObjModelPtr model;
  test::RecordingSink sink;
  ModelDiagnostics diagnostics{ModelDiagnostics::Mode::FirstError};
  std::string refusal() const { return diagnostics.refusal(u"/m/car.obj").english; }
};

TEST_F(ObjReaderTest, TurnsEveryCornerIntoAVertexAndFacesIntoTriangles) {
  ASSERT_EQ(read(std::string(kSquare) + "v 9 9 9\nf 1 2 3\nf 1 2 3 4\nf 1 2 3 4 5\nf 1 2\ng x\n"),
            kSuccess);
  EXPECT_EQ(model->positions.size(), 5);
  EXPECT_EQ(model->vertices.size(), 11);
  EXPECT_EQ(indices(), (std::vector<std::uint16_t>{0, 1, 2, 3, 4, 5, 3, 5, 6, 7, 8, 9, 7, 9, 10}));
  EXPECT_EQ(model->vertices[5].x, 1.0f);
  EXPECT_EQ(model->vertices[5].y, 1.0f);
  EXPECT_EQ(model->vertices[10].y, 1.0f);  // the fifth corner is dropped
}

TEST_F(ObjReaderTest, GivesFlatNormalsUnlessSmoothingIsOn) {
  ASSERT_EQ(
      read(std::string(kSquare) +
           "vn 0.6 0.8 0\nf 1//1 2//1 3//1\ns 1\nf 1//1 2//1 3//1\ns off\nf 4//1 3//1 2//1 1//1\n"
           "s 0\nf 1//1 1//1 1//1\n"),
      kSuccess);
  EXPECT_EQ(normalOf(0), (Vector3{0, 0, 1}));
  EXPECT_EQ(normalOf(3), (Vector3{0.6f, 0.8f, 0}));
  for (int i = 6; i < 10; ++i)
    EXPECT_EQ(normalOf(i), (Vector3{0, 0, -1}));  // the quad's first three
  EXPECT_EQ(normalOf(10), (Vector3{0, 0, 0}));    // coinciding corners have no normal
}

TEST_F(ObjReaderTest, NormalisesFlatNormalsInFloats) {
  ASSERT_EQ(read("v 0 0 0\nv 3 0 0\nv 0 0 -4\nv 1e-30 0 0\nv 0 1e-30 0\nf 1 2 3\nf 1 4 5\n"),
            kSuccess);
  EXPECT_EQ(normalOf(0), (Vector3{0, 1, 0}));
  EXPECT_EQ(normalOf(3), (Vector3{0, 0, 0}));  // too small to measure: stays zero, no NaN

  // The edges are float vectors: 8.8 - 2.5 is rounded to a float before the cross product,
  // which changes the last bit of x against edges kept in double.
  ASSERT_EQ(read("v 2.5 4.8 5.9\nv 8.8 4.8 8.4\nv -9.4 -0.7 8.9\nf 1 2 3\n"), kSuccess);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(normalOf(0).x), 0x3E65B9E6u);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(normalOf(0).y), 0xBF4B3408u);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(normalOf(0).z), 0xBF10BA3Fu);
}

TEST_F(ObjReaderTest, AcceptsEveryCornerFormAndRelativeNumbers) {
  ASSERT_EQ(read(std::string(kTriangle) +
                 "vt 0.5 0.5\nvn 0 0 1\nvn 1 0 0\ns 1\nf 1 2/1 3//2\nf -3/-1/-1 -2//-2 -1/1/\n"),
            kSuccess);
  EXPECT_EQ(model->vertices.size(), 6);
  EXPECT_EQ(normalOf(0), (Vector3{0, 0, 0}));
  EXPECT_EQ(normalOf(2), (Vector3{1, 0, 0}));
  EXPECT_EQ(model->vertices[3].x, 0.0f);
  EXPECT_EQ(model->vertices[4].x, 1.0f);
  EXPECT_EQ(normalOf(3), (Vector3{1, 0, 0}));
  EXPECT_EQ(normalOf(4), (Vector3{0, 0, 1}));
}

TEST_F(ObjReaderTest, RefusesNumbersThatNameNoEntry) {
  const std::string head = std::string(kTriangle) + "vt 0 0\n";
  EXPECT_EQ(read(head + "f 1 2 4\n"), kFailure);
  EXPECT_EQ(refusal(), "line 5: position number 4 names no entry (3 read so far)");
  EXPECT_EQ(read(head + "f 0 1 2\n"), kFailure);
  EXPECT_EQ(read(head + "f -4 1 2\n"), kFailure);
  EXPECT_EQ(read(head + "f 1/2 2 3\n"), kFailure);
  EXPECT_EQ(refusal(), "line 5: texture coordinate number 2 names no entry (1 read so far)");
  EXPECT_EQ(read(head + "\n\nf 1//1 2 3\n"), kFailure);
  EXPECT_EQ(refusal(), "line 7: normal number 1 names no entry (0 read so far)");
  EXPECT_EQ(read(head + "f /1/1 2 3\n"), kFailure);
  EXPECT_EQ(refusal(), "line 5: a face corner without a position number");
  EXPECT_EQ(read("f 1 2 3\nv 0 0 0\nv 0 0 0\nv 0 0 0\n"), kFailure);  // numbers look back only
  // Numbers beyond an int are held at its end, wherever they stand in the corner.
  EXPECT_EQ(read(head + "f 00000000001/1 2 3\n"), kSuccess);
  EXPECT_EQ(read(head + "f 1/12345678901 2 3\n"), kFailure);
  EXPECT_EQ(refusal(),
            "line 5: texture coordinate number 2147483647 names no entry (1 read so far)");
  EXPECT_EQ(read(head + "f 1 2 3/1/9999999999\n"), kFailure);
  EXPECT_EQ(refusal(), "line 5: normal number 2147483647 names no entry (0 read so far)");
}

TEST_F(ObjReaderTest, MapsTextureCoordinatesIntoTheMaterialsRectangle) {
  files.add(u"/m/tex.png", test::pngBytes(256, 256));
  files.add(u"/m/part.tim", test::timBytes(3, 64, 32, 192, 128));
  files.addText(u"/m/car.mtl", "newmtl full\nmap_Kd tex.png\nnewmtl part\nmap_Kd part.tim\n");
  ASSERT_EQ(read(std::string(kTriangle) +
                 "mtllib car.mtl\nvt 0.5 0.5\nvt 0 0\nvt 1 1\nusemtl full\nf 1/1 2/2 3/3\n"
                 "usemtl part\nf 1/1 2/2 3/3\n"),
            kSuccess);
  EXPECT_EQ(uvOf(0), (TexCoord{0.5f, 0.5f}));
  EXPECT_NEAR(uvOf(2).u, 0.9957031, 1e-7);
  EXPECT_NEAR(uvOf(2).v, 0.0042969, 1e-7);
  EXPECT_NEAR(uvOf(4).v, 0.8707031, 1e-7);
  EXPECT_NEAR(uvOf(5).u, 0.7457031, 1e-7);
  EXPECT_NEAR(uvOf(5).v, 0.3792969, 1e-7);
  // Every step rounded to a float gives these bits, and no other.
  EXPECT_EQ(std::bit_cast<std::uint32_t>(uvOf(1).u), 0x3B8CCCC0u);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(uvOf(1).v), 0x3F7EE666u);
  EXPECT_EQ(std::bit_cast<std::uint32_t>(uvOf(4).u), 0x3E823333u);
}

TEST_F(ObjReaderTest, LeavesTextureCoordinatesZeroWithoutAUsableMaterial) {
  files.addText(u"/m/car.mtl", "newmtl wood\nmap_Kd missing.png\n");
  ASSERT_EQ(read(std::string(kTriangle) +
                 "mtllib car.mtl\nvt 0.3 0.3\nf 1/1 2/1 3/1\nusemtl Wood\nf 1/1 2/1 3/1\n"
                 "usemtl wood\nf 1/1 2/1 3/1\n"),
            kSuccess);
  EXPECT_EQ(model->currentMaterial, 0);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(uvOf(i), (TexCoord{0, 0})) << i;  // zero rectangle too
}

TEST_F(ObjReaderTest, ActsByTheFirstByteOfTheKeywordOnly) {
  files.add(u"/m/a.png", test::pngBytes(64, 64));
  files.addText(u"/m/a.mtl", "newmtl x\nmap_Kd a.png\n");
  files.addText(u"/m/b.mtl", "newmtl y\nmap_Kd a.png\n");
  ASSERT_EQ(read("maplib a.mtl b.mtl\nusemap x\nV 1 1 1\nvp 1 2 3\nv 1 2 3 4\nvt 0.25 0.75 0.0\n"
                 "F 1 1 1\nUSEMTL y\n"),
            kSuccess);
  EXPECT_EQ(model->materials.size(), 1);
  EXPECT_EQ(model->currentMaterial, 0);
  EXPECT_EQ(model->positions.size(), 1);
  EXPECT_EQ(model->positions[0].z, 3.0f);
  EXPECT_EQ(model->texCoords.size(), 1);
  EXPECT_EQ(model->texCoords[0].v, 0.75f);
  EXPECT_EQ(model->vertices.size(), 0);
}

TEST_F(ObjReaderTest, ASecondLibraryAppendsItsMaterials) {
  files.addText(u"/m/a.mtl", "newmtl x\nmap_Kd a.png\nnewmtl dangling\n");
  files.addText(u"/m/b.mtl", "map_Kd b.png\n");
  ASSERT_EQ(read("mtllib a.mtl\nmtllib missing.mtl\nmtllib b.mtl\nusemtl dangling\n"), kSuccess);
  EXPECT_EQ(model->materials.size(), 2);
  EXPECT_EQ(model->currentMaterial, 1);  // the name waited in its slot across the files
}

TEST_F(ObjReaderTest, ReadsLinePiecesOfLongLinesAsStatements) {
  // The first piece is the group line; its continuation is a face.
  ASSERT_EQ(read(std::string(kTriangle) + "g " + std::string(1020, 'x') + "f 1 2 3\n"), kSuccess);
  EXPECT_EQ(model->vertices.size(), 3);
}

TEST_F(ObjReaderTest, ReadsCrLfFilesLikeLfFiles) {
  const std::string lf =
      std::string(kSquare) + "vt 0.1 0.2\nvn 0 1 0\ns 1\nf 1/1/1 2/1/1 3/1/1 4/1/1\n";
  std::string crlf;
  for (const char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  ASSERT_EQ(read(lf), kSuccess);
  const Bytes expected = buildModelBlob(*model, 1.0f).value();
  ASSERT_EQ(read(crlf), kSuccess);
  EXPECT_EQ(buildModelBlob(*model, 1.0f).value(), expected);
}

std::string triangles(int count) {
  std::string obj;
  for (int i = 0; i < 3 * count; ++i) obj += "v " + std::to_string(i) + " 0 1\n";
  for (int i = 1; i <= 3 * count; i += 3) {
    obj +=
        "f " + std::to_string(i) + " " + std::to_string(i + 1) + " " + std::to_string(i + 2) + "\n";
  }
  return obj;
}

TEST_F(ObjReaderTest, TakesListsUpToTheirCapacityAndRefusesMore) {
  const std::string full = triangles(10000);
  ASSERT_EQ(read(full), kSuccess);
  EXPECT_EQ(model->vertices.size(), 30000);
  EXPECT_EQ(model->indices.size(), 30000);
  EXPECT_EQ(model->indices[29999], 29999);

  EXPECT_EQ(read(full + "f 1 2 3\n"), kFailure);
  EXPECT_EQ(refusal(),
            "line 40001: 10001 triangles, more than the 10000 a model takes "
            "(--repair simplifies it)");
  EXPECT_EQ(read(full + "v 0 0 0\n"), kFailure);
  EXPECT_EQ(refusal(),
            "line 40001: 10000 triangles; more than 30000 positions (--repair takes it)");

  std::string quads = std::string(kSquare);
  for (int i = 0; i < 5000; ++i) quads += "f 1 2 3 4\n";
  ASSERT_EQ(read(quads), kSuccess);
  EXPECT_EQ(model->indices.size(), 30000);
  EXPECT_EQ(read(quads + "f 1 2 3\n"), kFailure);
  EXPECT_EQ(refusal(),
            "line 5005: 10001 triangles, more than the 10000 a model takes "
            "(--repair simplifies it)");
}

TEST_F(ObjReaderTest, RefusesMissingFilesAndOverlongPaths) {
  model = createObjModel();
  EXPECT_EQ(readObjFile(u"/m/none.obj", *model, sink, diagnostics), kFailure);
  EXPECT_EQ(refusal(), "the OBJ file cannot be read");
  const std::u16string longPath = u"/m/" + std::u16string(300, u'a') + u".obj";
  EXPECT_EQ(readObjFile(longPath, *model, sink, diagnostics), kFailure);
  EXPECT_TRUE(files.opened.size() == 1u);  // the long path was not even tried

  // A library whose path would not fit is skipped like an unreadable one.
  ASSERT_EQ(
      read("mtllib " + std::string(257, 'b') + ".mtl\n" + std::string(kTriangle) + "f 1 2 3\n"),
      kSuccess);
  EXPECT_EQ(model->materials.size(), 0);
}

TEST(ObjReaderOnDisk, FindsLibrariesNamedWithBackslashesAndAnotherCase) {
  test::TempFolder folder;
  folder.writeText("sub/car.mtl", "newmtl body\nmap_Kd Body.PNG\n");
  folder.write("sub/body.png", test::pngBytes(32, 32));
  const auto obj = folder.writeText("car.obj", "mtllib sub\\Car.MTL\n");
  const auto model = createObjModel();
  test::RecordingSink sink;
  ModelDiagnostics diagnostics(ModelDiagnostics::Mode::FirstError);
  ASSERT_EQ(readObjFile(obj, *model, sink, diagnostics), kSuccess);
  ASSERT_EQ(model->materials.size(), 1);
  EXPECT_EQ(model->materials[0].rectWidth, 32.0f);
}

TEST(ObjReaderOnDisk, ReadsNoModelFileLongerThanAContainer) {
  test::TempFolder folder;
  folder.writeText("huge.mtl", "newmtl body\nmap_Kd body.png\n");
  std::filesystem::resize_file(folder.path() / "huge.mtl", kLongestModelFile + 1);
  const auto obj = folder.writeText("car.obj", "mtllib huge.mtl\n");
  const auto model = createObjModel();
  test::RecordingSink sink;
  std::vector<Diagnostic> found;
  ModelDiagnostics checking(ModelDiagnostics::Mode::Everything,
                            [&found](const Diagnostic& d) { found.push_back(d); });
  EXPECT_EQ(readObjFile(obj, *model, sink, checking), kSuccess);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].code, "obj.mtl-unreadable");
  EXPECT_NE(found[0].message.find("is longer than 536870912 bytes"), std::string::npos);
  EXPECT_EQ(model->materials.size(), 0);

  std::filesystem::resize_file(folder.path() / "car.obj", kLongestModelFile + 1);
  ModelDiagnostics converting(ModelDiagnostics::Mode::FirstError);
  EXPECT_EQ(readObjFile(obj, *model, sink, converting), kFailure);
  EXPECT_EQ(converting.refusal(obj).english, "the OBJ file is longer than 536870912 bytes");
}

}  // namespace
}  // namespace qel
