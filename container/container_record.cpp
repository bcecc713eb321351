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

SaveReadiness checkSaveReady(const ContainerRecord& record) {
  if (record.makerName.empty()) return SaveReadiness::NoMakerName;
  if (record.containerName.empty()) return SaveReadiness::NoContainerName;
  if (!record.modelData) return SaveReadiness::NoModel;
  if (!record.textureData) return SaveReadiness::NoTexture;
  if (!record.sideViewData) return SaveReadiness::NoSideView;
  return SaveReadiness::Ready;
}

bool applyWorkshopName(ContainerRecord& record, std::u16string_view name) {
  if (record.plainFileLoaded) return false;
  // The whole name takes part in the comparison, so a name longer than the field is
  // copied (and cut) again every time.
  if (record.makerName.view() == name.substr(0, name.find(u'\0'))) return false;
  record.makerName.assign(name);
  return true;
}

}  // namespace qel
