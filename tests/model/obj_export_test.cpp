#include "model/obj_export.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>

#include "base/little_endian.h"
#include "model/model_conversion.h"
#include "tests/model/model_fixtures.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

// How far a converted-again blob lies from the first one.
struct Drift {
  bool sameLayout = true;         // head, indices and vertex count
  std::size_t differentXyzN = 0;  // vertices whose position or normal changed a bit
  std::size_t inexactTexCoords = 0;
  std::int64_t largestUlps = 0;  // of a texture coordinate
  double largestMiss = 0;        // the same as a distance
};

std::int64_t ulpsBetween(float a, float b) {
  const auto order = [](float x) {
    const auto bits = std::bit_cast<std::uint32_t>(x);
    return bits >> 31 ? -std::int64_t{bits & 0x7FFFFFFF} : std::int64_t{bits};
  };
  return std::abs(order(a) - order(b));
}

Drift driftBetween(const Bytes& first, const Bytes& again) {
  Drift drift;
  const std::uint32_t vertices = readLe32(first.data() + 8);
  const std::size_t indexStart = 16 + 32 * std::size_t{vertices};
  if (first.size() != again.size() ||
      !std::equal(first.begin(), first.begin() + 16, again.begin()) ||
      !std::equal(first.begin() + indexStart, first.end(), again.begin() + indexStart)) {
    drift.sameLayout = false;
    return drift;
  }
  for (std::uint32_t i = 0; i < vertices; ++i) {
    const std::uint8_t* a = first.data() + 16 + 32 * i;
    const std::uint8_t* b = again.data() + 16 + 32 * i;
    if (!std::equal(a, a + 24, b)) ++drift.differentXyzN;
    for (int k = 24; k < 32; k += 4) {
      const std::int64_t ulps =
          ulpsBetween(std::bit_cast<float>(readLe32(a + k)), std::bit_cast<float>(readLe32(b + k)));
      drift.inexactTexCoords += ulps != 0;
      drift.largestUlps = std::max(drift.largestUlps, ulps);
      drift.largestMiss =
          std::max(drift.largestMiss, std::fabs(double{std::bit_cast<float>(readLe32(a + k))} -
                                                std::bit_cast<float>(readLe32(b + k))));
    }
  }
  return drift;
}

class ObjExportTest : public ::testing::Test {
 protected:
  // Converts obj with the given material file; the blob, or a failure of the test.
  Bytes convert(test::TempFolder& at, std::string_view obj, std::string_view mtl) {
    at.writeText("car.mtl", mtl);
    const ModelConversion conversion = convertObjModel(at.writeText("car.obj", obj), sink);
    EXPECT_EQ(conversion.result, kSuccess) << conversion.refusal.english;
    return conversion.blob;
  }

  // Exports blob with texture, and converts what was written.
  Bytes convertedAgain(const Bytes& blob, const Bytes& texture) {
    const ModelBlobReading reading = readModelBlob(blob);
    EXPECT_TRUE(reading.view) << reading.problem;
    PngSize size;
    EXPECT_EQ(readPngSize(texture, size), kSuccess);
    const ObjExport exported = exportObjModel(*reading.view, size);
    test::TempFolder out;
    out.writeText("model.mtl", exported.mtl);
    out.write("texture.png", texture);
    const ModelConversion conversion =
        convertObjModel(out.writeText("model.obj", exported.obj), sink);
    EXPECT_EQ(conversion.result, kSuccess) << conversion.refusal.english;
    return conversion.blob;
  }

  test::TempFolder folder;
  test::RecordingSink sink;
};

// The OBJ models that the other tests convert, each with its material file.
TEST_F(ObjExportTest, GivesBackTheBlobOfEveryModelTheTestsConvert) {
  const Bytes png = test::pngBytes(128, 64);
  folder.write("body.png", png);
  const std::string_view models[] = {
      "mtllib car.mtl\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0\nusemtl body\nf 1/1 2/1 3/1 "
      "4/1\n",
      "mtllib car.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 0 1\nusemtl body\n"
      "f 1/1 2/2 3/3\n",
      "mtllib car.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl body\nf 1 2 3\n"};
  for (const std::string_view obj : models) {
    const Bytes blob = convert(folder, obj, "newmtl body\nmap_Kd body.png\n");
    EXPECT_EQ(convertedAgain(blob, png), blob) << obj;
  }
}

TEST_F(ObjExportTest, KeepsEveryBitOfALargeModelButTexCoordsOfAnInsetMaterial) {
  const Bytes png = test::pngBytes(256, 256);
  folder.write("body.png", png);
  folder.write("part.tim", test::timBytes(3, 64, 32, 192, 128));
  const Bytes blob = convert(folder, test::largeObjModel(),
                             "newmtl body\nmap_Kd body.png\nnewmtl part\nmap_Kd part.tim\n");
  const Drift drift = driftBetween(blob, convertedAgain(blob, png));
  EXPECT_TRUE(drift.sameLayout);
  EXPECT_EQ(drift.differentXyzN, 0u);
  // Only the coordinates of the TIM rectangle drift: the exported material is the whole
  // texture, whose mapping cannot reach every value that a smaller rectangle gives.
  EXPECT_EQ(drift.inexactTexCoords, 251u);
  EXPECT_EQ(drift.largestUlps, 1);
}

// A float in 0..1 from the generator's own output, which the standard fixes: the standard
// distributions differ between libraries, and so would the models.
float unitFloat(std::mt19937& random) {
  return static_cast<float>(random() >> 8) * 0x1p-24f;
}

// A random model: positions and normals of every magnitude and sign, texture coordinates
// in 0..1, triangles and quadrilaterals, flat and smooth stretches. Braced lists fix the
// order in which the values are drawn.
std::string randomModel(std::mt19937& random, int faces) {
  const auto real = [&] {
    const float value = std::ldexp(unitFloat(random), static_cast<int>(random() % 61) - 30);
    return random() % 2 ? -value : value;
  };
  std::string obj = "mtllib car.mtl\nusemtl body\nv -0 0 0\n";
  char line[160];
  int corners = 0;
  for (int face = 0; face < faces; ++face) {
    if (face % 50 == 0) obj += face % 100 ? "s off\n" : "s 1\n";
    const int n = 3 + static_cast<int>(random() % 2);
    for (int k = 0; k < n; ++k) {
      const float v[] = {real(), real(), real()};
      const float vn[] = {real(), real(), real()};
      const float vt[] = {unitFloat(random), unitFloat(random)};
      std::snprintf(line, sizeof line, "v %.9g %.9g %.9g\nvn %.9g %.9g %.9g\nvt %.9g %.9g\n", v[0],
                    v[1], v[2], vn[0], vn[1], vn[2], vt[0], vt[1]);
      obj += line;
    }
    obj += "f";
    for (int k = 0; k < n; ++k) {
      const std::string at = std::to_string(++corners);
      obj += " " + std::to_string(corners + 1) + "/" + at + "/" + at;
    }
    obj += "\n";
  }
  return obj;
}

TEST_F(ObjExportTest, GivesBackGeneratedModelsBitForBit) {
  std::mt19937 random(20261207);
  for (int round = 0; round < 12; ++round) {
    const auto width = static_cast<std::uint32_t>(3 + random() % 254),
               height = static_cast<std::uint32_t>(3 + random() % 254);
    const Bytes png = test::pngBytes(width, height);
    folder.write("body.png", png);
    const Bytes blob = convert(folder, randomModel(random, 400), "newmtl body\nmap_Kd body.png\n");
    EXPECT_EQ(convertedAgain(blob, png), blob) << "round " << round;
  }
}

TEST_F(ObjExportTest, GivesBackTexCoordsFarOutsideTheTexture) {
  const Bytes png = test::pngBytes(64, 32);
  folder.write("body.png", png);
  const Bytes blob = convert(folder,
                             "mtllib car.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nvt 1e30 -1e30\n"
                             "vt -3e38 3e38\nvt 1e-30 -1e20\nusemtl body\nf 1/1 2/2 3/3\n",
                             "newmtl body\nmap_Kd body.png\n");
  EXPECT_EQ(convertedAgain(blob, png), blob);
}

// Below v = 0.5 the whole texture's mapping gives only multiples of 2^-24 (1 - a float of
// 0.5 to 1), so a value of a smaller rectangle may be missed by up to half of that. A
// rectangle that passes the texture's far edge maps into its last 1.1 texels, which the
// whole texture's inset takes from coordinates beyond 1: floats there are 2^-23 apart, so
// only about every other value is reached, and one may be missed by 2^-24.
TEST_F(ObjExportTest, ComesWithinTwoToTheMinus25OfTexCoordsOfOtherRectanglesAnd24PastTheEdge) {
  std::mt19937 random(7);
  const Bytes png = test::pngBytes(256, 256);
  folder.write("body.png", png);
  for (int round = 0; round < 12; ++round) {
    const auto x = static_cast<std::uint16_t>(random() % 256),
               y = static_cast<std::uint16_t>(random() % 256);
    const auto w = static_cast<std::uint16_t>(3 + random() % 80),
               h = static_cast<std::uint16_t>(3 + random() % 56);
    const bool passesTheEdge = x + w > 256 || y + h > 256;
    folder.write("part.tim", test::timBytes(3, x, y, 3 * w / 2, h));
    std::string obj = randomModel(random, 300);
    obj.replace(obj.find("usemtl body"), 11, "usemtl part");
    const Bytes blob =
        convert(folder, obj, "newmtl body\nmap_Kd body.png\nnewmtl part\nmap_Kd part.tim\n");
    const Drift drift = driftBetween(blob, convertedAgain(blob, png));
    EXPECT_TRUE(drift.sameLayout);
    EXPECT_EQ(drift.differentXyzN, 0u);
    EXPECT_LE(drift.largestMiss, std::ldexp(1.0, passesTheEdge ? -24 : -25))
        << x << " " << y << " " << w << " " << h;
  }
}

}  // namespace
}  // namespace qel
