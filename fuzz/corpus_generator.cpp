// qel-fuzz-corpus TARGET FOLDER: writes the seed corpus of a fuzz target into FOLDER.
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>

#include "container/container_format.h"
#include "preview/png_codec.h"
#include "tests/model/model_fixtures.h"
#include "tests/preview/preview_fixtures.h"
#include "tests/support/container_fixtures.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace {

using qel::Bytes;
using namespace qel::test;

void writeSeed(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes) {
  std::ofstream out(folder / name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

void writeParseContainerSeeds(const std::filesystem::path& folder) {
  writeSeed(folder, "complete.cnt", *qel::serializeContainerBytes(completeRecord(), 4711));
  writeSeed(folder, "empty-record.cnt", *qel::serializeContainerBytes(qel::ContainerRecord(), 0));
  writeSeed(folder, "plain.q5c",
            ChunkSequence()
                .chunk(qel::kPlainFormMarker, {1, 2, 3})
                .text(qel::kMakerNameChunk, u"平文工房", 16)
                .text(qel::kContainerNameChunk, u"箱", 32)
                .chunk(qel::kTypeChunk, le32(20))
                .chunk(0x801050, {9, 9, 9, 9, 9, 9})
                .chunk(qel::kModelChunk, concat({le32(20), modelBlobOf(3, 3, 4)}))
                .chunk(qel::kTextureChunk, concat({{8, 0, 8, 0}, le32(32), pngOf(8, 8)}))
                .chunk(qel::kSideViewChunk, concat({le32(1), le32(2), le32(0)}))
                .end()
                .bytes());
  Bytes cut = *qel::serializeContainerBytes(completeRecord(), 99);
  cut.resize(cut.size() / 2);
  writeSeed(folder, "truncated.cnt", cut);
}

// Parts of a model-file input, joined with the separator the targets split at.
Bytes joined(std::initializer_list<Bytes> parts) {
  Bytes bytes;
  for (const Bytes& part : parts) {
    if (!bytes.empty() || &part != parts.begin()) bytes.insert(bytes.end(), {0xFF, 0x00});
    bytes.insert(bytes.end(), part.begin(), part.end());
  }
  return bytes;
}

Bytes text(std::string_view text) {
  return Bytes(text.begin(), text.end());
}

// A small JPEG picture with a gradient, for the repair's decoder.
Bytes jpegOf(int width, int height) {
  qel::RgbaImage image(width, height, {});
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.set(x, y,
                {static_cast<std::uint8_t>(x * 10), static_cast<std::uint8_t>(y * 15), 80, 255});
    }
  }
  Bytes out;
  const auto append = [](void* context, void* data, int size) {
    auto* bytes = static_cast<const std::uint8_t*>(data);
    static_cast<Bytes*>(context)->insert(static_cast<Bytes*>(context)->end(), bytes, bytes + size);
  };
  stbi_write_jpg_to_func(append, &out, width, height, 4, image.pixels.data(), 90);
  return out;
}

constexpr std::string_view kCubeObj =
    "# a cube\nmtllib m.mtl\nv -1 -1 -1\nv 1 -1 -1\nv 1 1 -1\nv -1 1 -1\nv -1 -1 1\n"
    "v 1 -1 1\nv 1 1 1\nv -1 1 1\nvt 0 0\nvt 1 0\nvt 1 1\nvn 0 0 1\nusemtl a\n"
    "f 1/1 2/2 3/3 4/3\nf 5//1 6//1 7//1\ns 1\nusemtl b\nf -1/-1/-1 -2/-2/-1 -3/-3/-1\n"
    "f 1 2 3 4 5\n";

void writeReadObjFileSeeds(const std::filesystem::path& folder) {
  const Bytes mtl = text("newmtl a\nmap_Kd t.png\nnewmtl b\nmap_Kd u.tim\n");
  writeSeed(folder, "cube-png", joined({text(kCubeObj), mtl, pngBytes(64, 32)}));
  writeSeed(folder, "cube-bmp",
            joined({text(kCubeObj), text("newmtl a\nmap_Kd T.BMP\n"), bmpBytes(128, -64)}));
  writeSeed(folder, "cube-tim", joined({text(kCubeObj), mtl, timBytes(0x9 | 0x2, 8, 8, 96, 64)}));
  writeSeed(folder, "no-material", text("v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n"));
  // What the repair mends: images of other kinds and sizes, colours, options and blanks.
  const Bytes repairMtl = text(
      "newmtl a\nKd 0.9 0.1 0.1\nmap_Kd -s 1 1 1 -clamp on t.jpg\nnewmtl b\nKd 0.1 0.9 0.1\n"
      "newmtl c\nmap_Kd \"t x.png\"\n");
  writeSeed(folder, "repair-jpeg", joined({text(kCubeObj), repairMtl, jpegOf(24, 16)}));
  writeSeed(folder, "repair-large-png",
            joined({text(kCubeObj), repairMtl,
                    qel::encodePng(qel::RgbaImage(300, 40, {9, 99, 199, 255}))}));
}

void writeReadMaterialFileSeeds(const std::filesystem::path& folder) {
  const Bytes mtl = text(
      "newmtl a\nKd 1 1 1\nmap_Kd t.png\nnewmtl b\nmap_Kd sub\\T.BMP\nnewmtl c\n"
      "map_Kd u.tim\nmap_Bump t.tim\nnewmtl d\nmap_Kd v.jpg\nnewmtl e\nmap_Kd\n");
  writeSeed(folder, "png", joined({mtl, pngBytes(512, 512)}));
  writeSeed(folder, "bmp", joined({mtl, bmpBytes(32, -64)}));
  writeSeed(folder, "tim-24", joined({mtl, timBytes(0x9 | 0x2, 64, 32, 384, 256)}));
  writeSeed(folder, "tim-8", joined({mtl, timBytes(0x9, 1, 1, 10, 10)}));
}

void writePngCheckSeeds(const std::filesystem::path& folder) {
  writeSeed(folder, "256x256.png", pngOf(256, 256));
  writeSeed(folder, "257x1.png", pngOf(257, 1));
  writeSeed(folder, "header-only.png", pngBytes(1, 256));
}

// The arguments after "pack", each ended by a 0 byte.
void writePackSeed(const std::filesystem::path& folder, const std::string& name,
                   std::initializer_list<std::string_view> rest) {
  Bytes bytes;
  for (const auto& part :
       {"-o", "out.cnt", "--name", "コキ", "--maker", "山田工房", "--sideview", "s.png"}) {
    bytes.insert(bytes.end(), part, part + std::char_traits<char>::length(part));
    bytes.push_back(0);
  }
  for (const std::string_view part : rest) {
    bytes.insert(bytes.end(), part.begin(), part.end());
    bytes.push_back(0);
  }
  writeSeed(folder, name, bytes);
}

void writePackOptionsSeeds(const std::filesystem::path& folder) {
  writePackSeed(
      folder, "model",
      {"--model", "m.bin", "--texture", "t.png", "--seed", "4711", "--created", "1700000000"});
  writePackSeed(
      folder, "obj",
      {"--obj", "m.obj", "--type", "ISO20ft", "--length", "12192.5", "--description", "説明"});
  writePackSeed(folder, "too-large", {"--model", "m.bin", "--texture", "big.png", "--type", "11"});
  writePackSeed(folder, "missing", {"--obj", "none.obj", "--seed", "16777216"});
}

void writeTokenizeLineSeeds(const std::filesystem::path& folder) {
  writeSeed(folder, "face", text("f 1/2/3 4//5 -1/-1\t,6\r\n"));
  writeSeed(folder, "shift-jis", text("newmtl \x83\x65\x83\x58\x83\x67 \x81"));
}

void writeDecodePngSeeds(const std::filesystem::path& folder) {
  qel::RgbaImage image(5, 3, {10, 200, 30, 128});
  image.set(4, 2, {255, 255, 255, 0});
  writeSeed(folder, "rgba.png", qel::encodePng(image));
  writeSeed(folder, "header-only.png", pngOf(16, 16));
}

// A container whose model, texture and side view the pane can show.
void writePreviewPaneSeeds(const std::filesystem::path& folder) {
  qel::ContainerRecord record = completeRecord();
  record.modelData = squareBlob();
  record.textureData = qel::encodePng(qel::RgbaImage(4, 2, {200, 20, 20, 255}));
  record.sideViewData = qel::encodePng(qel::RgbaImage(30, 8, {20, 20, 200, 255}));
  writeSeed(folder, "drawable.cnt", *qel::serializeContainerBytes(record, 5));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const std::string target = argv[1];
  const std::filesystem::path folder = argv[2];
  std::filesystem::create_directories(folder);
  if (target == "fuzz-read-obj-file") writeReadObjFileSeeds(folder);
  if (target == "fuzz-read-material-file") writeReadMaterialFileSeeds(folder);
  if (target == "fuzz-png-check") writePngCheckSeeds(folder);
  if (target == "fuzz-pack-options") writePackOptionsSeeds(folder);
  if (target == "fuzz-tokenize-line") writeTokenizeLineSeeds(folder);
  // The pane is fed container files too.
  if (target == "fuzz-parse-container" || target == "fuzz-preview-pane") {
    writeParseContainerSeeds(folder);
  }
  if (target == "fuzz-preview-pane") writePreviewPaneSeeds(folder);
  if (target == "fuzz-decode-png") writeDecodePngSeeds(folder);
  return 0;
}
