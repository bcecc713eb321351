#include "tests/support/shell_fixtures.h"

namespace qel::test {
ContainerRecord readyRecord() {
  ContainerRecord record;
  record.containerName.assign(u"コキ20ft");
  record.makerName.assign(u"工房");
  record.description.assign(u"説明文\r\n二行目");
  record.typeIndex = 9;
  record.lengthMm = 6058.0f;
  record.modelData = modelBlobOf(3, 3, 102);
  record.modelVertexCount = 3;
  record.textureData = pngOf(256, 128, 10);
  record.textureWidth = 256;
  record.textureHeight = 128;
  record.sideViewData = pngOf(64, 32, 5);
  return record;
}

}  // namespace qel::test
