#include "app/commands/image_file_commands.h"

#include <string>

#include "app/file_pickers.h"
#include "container/container_format.h"
#include "container/whole_file.h"

namespace qel {
namespace {

PickerText pngPicker(std::u16string_view title) {
  return {u"画像ファイル(*.png)", u"*.png", title, u"png"};
}

}  // namespace

void loadImageFile(AppState& app, platform::WindowHandle window, std::u16string_view title,
                   std::u16string_view caption, ImageStore store) {
  if (!app.record) return;
  const auto path = pickOpenPath(app, openPickerRequest(window, pngPicker(title)));
  if (!path) return;
  const auto bytes = readWholeFile(*path, kContainerFileLimit);
  if (!bytes) return;
  if (failed(store(*app.record, *bytes))) {
    app.ui.messageBox(window, u"このファイルは使用できません。", caption,
                      platform::MessageBoxButtons::Ok);
  }
  app.ui.repaint(window);
}

void exportImageFile(AppState& app, platform::WindowHandle window, std::u16string_view title,
                     std::u16string_view caption, ImageCopy copy) {
  if (!app.record) return;
  const auto bytes = copy(*app.record);
  if (!bytes) return;
  const auto path = pickSavePath(app, savePickerRequest(window, pngPicker(title)), caption);
  if (!path) return;
  if (!writeWholeFile(*path, *bytes)) {
    app.ui.messageBox(window, u"ファイルを書き込めませんでした。\n" + *path, caption,
                      platform::MessageBoxButtons::Ok);
  }
}

}  // namespace qel
