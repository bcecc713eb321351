#include "app/commands/image_file_commands.h"

#include <string>

#include "app/file_pickers.h"
#include "app/source_watch.h"
#include "container/container_format.h"
#include "container/whole_file.h"
#include "repair/fitting_png.h"
#include "resources/refusal_texts.h"

namespace qel {
namespace {

PickerText pngPicker(std::u16string_view title) {
  return {u"画像ファイル(*.png)", u"*.png", title, u"png"};
}

void refuseImage(AppState& app, platform::WindowHandle window, std::u16string_view caption,
                 const ImageCheck& check) {
  app.ui.messageBox(window, u"このファイルは使用できません。\n" + resources::japaneseText(check),
                    caption, platform::MessageBoxButtons::Ok);
}

}  // namespace

std::optional<std::u16string> pickImageFile(AppState& app, platform::WindowHandle window,
                                            std::u16string_view title) {
  return pickOpenPath(app, openPickerRequest(window, pngPicker(title)));
}

void loadImageFrom(AppState& app, platform::WindowHandle window, std::u16string_view path,
                   std::u16string_view caption, ImageStore store, resources::SourceKind kind) {
  auto bytes = readWholeFile(path, kContainerFileLimit);
  if (!bytes) return refuseImage(app, window, caption, {ImageProblem::Unreadable, {}});
  // An image of another format or too large is offered a conversion into a PNG that fits.
  if (const ImageCheck check = checkContainerImage(*bytes);
      (check.problem == ImageProblem::NotPng || check.problem == ImageProblem::TooLarge) &&
      canConvertToFittingPng(*bytes)) {
    if (app.ui.messageBox(window, resources::imageConversionOfferText(check), caption,
                          platform::MessageBoxButtons::OkCancel) != platform::kIdOk) {
      return;
    }
    FittingPng converted = convertToFittingPng(*bytes);
    if (!converted.png) {
      app.ui.messageBox(window, resources::imageConversionFailedText(converted.fault), caption,
                        platform::MessageBoxButtons::Ok);
      return;
    }
    bytes = std::move(converted.png);
  }
  if (storeImageBytes(app, window, caption, store, *bytes)) {
    watchSource(app, kind, {std::u16string(path), false}, {std::u16string(path)});
  }
  app.ui.repaint(window);
}

bool storeImageBytes(AppState& app, platform::WindowHandle window, std::u16string_view caption,
                     ImageStore store, std::span<const std::uint8_t> bytes) {
  if (const ImageCheck check = store(app.document.change(), bytes); !check.ok()) {
    refuseImage(app, window, caption, check);
    return false;
  }
  return true;
}

void exportImageFile(AppState& app, platform::WindowHandle window, std::u16string_view title,
                     std::u16string_view caption, ImageCopy copy) {
  const auto bytes = copy(app.document.record());
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
