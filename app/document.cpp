#include "app/document.h"

namespace qel {

void Document::opened(ContainerForm form) {
  ++revision_;
  if (form == ContainerForm::Plain) plainFileOpened_ = true;
}

void Document::madeNew() {
  ++revision_;
  plainFileOpened_ = false;
}

bool Document::sign(std::u16string_view workshopName) {
  if (plainFileOpened_ || !applyWorkshopName(record_, workshopName)) return false;
  ++revision_;
  return true;
}

}  // namespace qel
