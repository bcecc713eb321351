// Shows whatever an arbitrary container file holds in the preview pane: its model blob
// drawn with its texture, its side view, and a drag and a zoom.
#include <cstdint>

#include "container/container_format.h"
#include "preview/preview_pane.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qel::Bytes bytes(data, data + size);
  qel::ContainerRecord record;
  if (qel::failed(qel::parseContainerFile(record, bytes))) return 0;
  // A tenth of the area's width and height: the same drawing, a hundredth of the pixels.
  qel::PreviewPane pane(qel::PreviewPane::kModelArea.width / 10,
                        qel::PreviewPane::kModelArea.height / 10);
  pane.follow(record, 0);
  pane.contents();
  pane.press(100, 100);
  pane.moveTo(150, 40);
  pane.wheel(100, 100, 960);
  pane.contents();
  return 0;
}
