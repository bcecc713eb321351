#include "container/container_record.h"

namespace qel {

void resetRecord(ContainerRecord& record) {
  record.containerName.clear();
  record.reservedValue = 0;
  record.lengthMm = 0.0f;
  record.createdTime = 0;
  record.description.clear();
  record.makerName.clear();
  record.typeIndex = 0;
  record.sideViewReserved1 = 0;
  record.sideViewReserved2 = 0;
  record.sideViewData.reset();
  record.modelData.reset();
  record.textureData.reset();
  record.modelVertexCount = 0;
}

std::int32_t checkSaveReady(const ContainerRecord& record) {
  if (record.makerName.empty()) return 1;
  if (record.containerName.empty()) return 2;
  if (!record.modelData) return 3;
  if (!record.textureData) return 4;
  if (!record.sideViewData) return 5;
  return 0;
}

int applyWorkshopName(ContainerRecord& record, std::u16string_view name) {
  if (record.plainFileLoaded == 1) return 0;
  // The whole name takes part in the comparison, so a name longer than the field is
  // copied (and cut) again every time.
  if (record.makerName.view() == name.substr(0, name.find(u'\0'))) return 0;
  record.makerName.assign(name);
  return 1;
}

}  // namespace qel
