// qel-fuzz-corpus TARGET FOLDER: writes the seed corpus of a fuzz target into FOLDER.
// Targets without seeds of their own start from an empty corpus.
#include <filesystem>
#include <fstream>
#include <string>

#include "container/container_format.h"
#include "preview/png_codec.h"
#include "tests/preview/preview_fixtures.h"
#include "tests/support/container_fixtures.h"

namespace {

using qel::Bytes;
using namespace qel::test;

void writeSeed(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes) {
  std::ofstream out(folder / name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

void writeParseContainerSeeds(const std::filesystem::path& folder) {
  writeSeed(folder, "complete.cnt", *qel::buildContainerFile(completeRecord(), 4711));
  writeSeed(folder, "empty-record.cnt", *qel::buildContainerFile(qel::ContainerRecord(), 0));
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
  Bytes cut = *qel::buildContainerFile(completeRecord(), 99);
  cut.resize(cut.size() / 2);
  writeSeed(folder, "truncated.cnt", cut);
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
  writeSeed(folder, "drawable.cnt", *qel::buildContainerFile(record, 5));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const std::string target = argv[1];
  const std::filesystem::path folder = argv[2];
  std::filesystem::create_directories(folder);
  // The pane is fed container files too.
  if (target == "fuzz-parse-container" || target == "fuzz-preview-pane") {
    writeParseContainerSeeds(folder);
  }
  if (target == "fuzz-preview-pane") writePreviewPaneSeeds(folder);
  if (target == "fuzz-decode-png") writeDecodePngSeeds(folder);
  return 0;
}
