#include "app/file_pickers.h"

#include "base/path_parts.h"
#include "resources/refusal_texts.h"

namespace qel {
namespace {

// Every picker starts in the folder that the platform chooses: the initial folder is left
// empty.
platform::FilePickerRequest pickerRequest(platform::WindowHandle owner, const PickerText& text,
                                          std::uint32_t flags) {
  platform::FilePickerRequest request;
  request.owner = owner;
  request.filterDescription = text.filterDescription;
  request.filterPattern = text.filterPattern;
  request.title = text.title;
  request.flags = flags;
  request.defaultExtension = text.defaultExtension;
  return request;
}

}  // namespace

std::optional<std::u16string> pickOpenPath(AppState& app,
                                           const platform::FilePickerRequest& request) {
  auto path = app.ui.pickOpenFile(request);
  if (path && path->size() > kLongestPath) return std::nullopt;
  return path;
}

std::optional<std::u16string> pickSavePath(AppState& app,
                                           const platform::FilePickerRequest& request,
                                           std::u16string_view caption) {
  auto path = app.ui.pickSaveFile(request);
  if (path && path->size() > kLongestPath) {
    app.ui.messageBox(request.owner,
                      u"保存できません。\n" + std::u16string(resources::kPathTooLongText), caption,
                      platform::MessageBoxButtons::Ok);
    return std::nullopt;
  }
  return path;
}

platform::FilePickerRequest openPickerRequest(platform::WindowHandle owner,
                                              const PickerText& text) {
  return pickerRequest(owner, text, platform::kPickerFileMustExist | platform::kPickerHideReadOnly);
}

platform::FilePickerRequest savePickerRequest(platform::WindowHandle owner, const PickerText& text,
                                              std::u16string_view proposedPath) {
  platform::FilePickerRequest request =
      pickerRequest(owner, text, platform::kPickerOverwritePrompt | platform::kPickerHideReadOnly);
  request.path = proposedPath;
  return request;
}

}  // namespace qel
