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
  SaveReadiness readiness;
  const auto need = [&readiness](bool held, RecordItem item) {
    if (!held) readiness.missing.push_back(item);
  };
  need(!record.makerName.empty(), RecordItem::MakerName);
  need(!record.containerName.empty(), RecordItem::ContainerName);
  need(record.modelData.has_value(), RecordItem::Model);
  need(record.textureData.has_value(), RecordItem::Texture);
  need(record.sideViewData.has_value(), RecordItem::SideView);
  return readiness;
}

std::string englishText(const SaveReadiness& readiness) {
  std::string text;
  for (const RecordItem item : readiness.missing) {
    if (!text.empty()) text += "; ";
    switch (item) {
      case RecordItem::MakerName:
        text += "the workshop name is empty";
        break;
      case RecordItem::ContainerName:
        text += "the container name is empty";
        break;
      case RecordItem::Model:
        text += "no model";
        break;
      case RecordItem::Texture:
        text += "no texture";
        break;
      case RecordItem::SideView:
        text += "no side view";
        break;
    }
  }
  return text;
}

bool applyWorkshopName(ContainerRecord& record, std::u16string_view name) {
  // The whole name takes part in the comparison, so a name longer than the field is
  // copied (and cut) again every time.
  if (record.makerName.view() == name.substr(0, name.find(u'\0'))) return false;
  record.makerName.assign(name);
  return true;
}

}  // namespace qel
