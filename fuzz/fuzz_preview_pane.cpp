// Shows whatever an arbitrary container file holds in the preview pane: its model blob
// drawn with its texture and every overlay, from each view, its side view laid over the
// model, and a drag, a pan and a zoom.
#include <cstdint>

#include "container/container_format.h"
#include "preview/preview_pane.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qel::Bytes bytes(data, data + size);
  qel::ContainerRecord record;
  if (qel::failed(qel::parseContainerFile(record, bytes))) return 0;
  static const qel::PaneWording wording{};
  qel::PreviewPane pane(wording);
  // A small pane: the same drawing at a fraction of the pixels.
  pane.resize(120, 200);
  pane.follow(record, 0);
  pane.contents();
  for (int key : {'W', 'U', '1', '2', '3', '4'}) {
    pane.key(key);
    pane.contents();
  }
  const qel::PaneArea model = pane.modelArea();
  pane.press(model.x + 5, model.y + 5);
  pane.moveTo(model.x + 50, model.y + 1);
  pane.press(model.x + 5, model.y + 5, qel::PreviewPane::MouseButton::Right);
  pane.moveTo(model.x + 30, model.y + 20);
  pane.release();
  pane.wheel(model.x + 5, model.y + 5, 960);
  pane.contents();
  pane.key('O');
  pane.contents();
  return 0;
}
