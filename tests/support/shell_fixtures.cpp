#include "tests/support/shell_fixtures.h"

namespace qel::test {
namespace {

void putBigEndian(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

void putLittleEndian(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

Bytes fakePng(std::uint32_t width, std::uint32_t height, std::size_t extra) {
  Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  png.resize(24 + extra, 0x5A);
  putBigEndian(png, 16, width);
  putBigEndian(png, 20, height);
  return png;
}

Bytes fakeModelBlob(std::uint32_t vertexCount, std::uint32_t indexCount) {
  Bytes blob(16 + 32 * vertexCount + 2 * indexCount, 0);
  putLittleEndian(blob, 0, 100);
  putLittleEndian(blob, 4, 274);
  putLittleEndian(blob, 8, vertexCount);
  putLittleEndian(blob, 12, indexCount);
  return blob;
}

ContainerRecord readyRecord() {
  ContainerRecord record;
  record.containerName.assign(u"コキ20ft");
  record.makerName.assign(u"工房");
  record.description.assign(u"説明文\r\n二行目");
  record.typeIndex = 9;
  record.lengthMm = 6058.0f;
  record.modelData = fakeModelBlob(3, 3);
  record.modelVertexCount = 3;
  record.textureData = fakePng(256, 128, 10);
  record.textureWidth = 256;
  record.textureHeight = 128;
  record.sideViewData = fakePng(64, 32, 5);
  return record;
}

}  // namespace qel::test
