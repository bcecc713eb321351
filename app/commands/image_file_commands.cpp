#include "app/commands/image_file_commands.h"

#include <string>

#include "app/file_pickers.h"
#include "app/source_watch.h"
#include "container/container_format.h"
#include "container/whole_file.h"
#include "resources/refusal_texts.h"

namespace qel {
namespace {

PickerText pngPicker(std::u16string_view title) {
  return {u"画像ファイル(*.png)", u"*.png", title, u"png"};
}

}  // namespace

std::optional<std::u16string> pickImageFile(AppState& app, platform::WindowHandle window,
                                            std::u16string_view title) {
  if (!app.record) return std::nullopt;
  return pickOpenPath(app, openPickerRequest(window, pngPicker(title)));
}

void loadImageFrom(AppState& app, platform::WindowHandle window, std::u16string_view path,
                   std::u16string_view caption, ImageStore store, resources::SourceKind kind) {
  if (!app.record) return;
  const auto refuse = [&](const ImageCheck& check) {
    app.ui.messageBox(window, u"このファイルは使用できません。\n" + resources::japaneseText(check),
                      caption, platform::MessageBoxButtons::Ok);
  };
  const auto bytes = readWholeFile(path, kContainerFileLimit);
  if (!bytes) return refuse({ImageProblem::Unreadable, {}});
  if (const ImageCheck check = store(*app.record, *bytes); !check.ok()) {
    refuse(check);
  } else {
    watchSource(app, kind, {std::u16string(path), false}, {std::u16string(path)});
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
  platform::WriteFailure why = platform::WriteFailure::Other;
  if (!writeWholeFile(*path, *bytes, &why)) {
    app.ui.messageBox(window, resources::writeFailedText(*path, why), caption,
                      platform::MessageBoxButtons::Ok);
  }
}

}  // namespace qel
