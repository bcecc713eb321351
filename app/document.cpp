#include "app/document.h"

#include <utility>

#include "container/record_fingerprint.h"

namespace qel {

void Document::start(Part part) {
  part_ = std::move(part);
  ++revision_;
  markSaved();
}

void Document::startNew(std::u16string_view workshopName) {
  Part part;
  part.path = part_.path;
  applyWorkshopName(part.record, workshopName);
  start(std::move(part));
}

void Document::startOpened(ContainerRecord record, ContainerForm form, std::u16string_view path) {
  Part part;
  part.record = std::move(record);
  part.plainFileOpened = form == ContainerForm::Plain;
  part.path.assign(path);
  start(std::move(part));
}

void Document::savedAs(std::u16string_view path) {
  part_.path.assign(path);
  markSaved();
}

void Document::markSaved() {
  part_.savedFingerprint = recordFingerprint(part_.record);
  part_.savedRevision = revision_;
}

bool Document::hasUnsavedChanges() const {
  return part_.savedFingerprint && revision_ != part_.savedRevision &&
         recordFingerprint(part_.record) != *part_.savedFingerprint;
}

bool Document::sign(std::u16string_view workshopName) {
  if (!signs() || !applyWorkshopName(part_.record, workshopName)) return false;
  ++revision_;
  return true;
}

bool RecordChange::sign(std::u16string_view workshopName) {
  return document_.signs() && applyWorkshopName(draft_, workshopName);
}

void RecordChange::commit() {
  document_.part_.record = std::move(draft_);
  ++document_.revision_;
}

}  // namespace qel
