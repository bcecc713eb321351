#include "app/file_pickers.h"

namespace qel {
namespace {

platform::FilePickerRequest pickerRequest(const AppState& app, platform::WindowHandle owner,
                                          const PickerText& text, std::uint32_t flags) {
  platform::FilePickerRequest request;
  request.owner = owner;
  request.filterDescription = text.filterDescription;
  request.filterPattern = text.filterPattern;
  request.initialFolder = app.initialFolder.view();
  request.title = text.title;
  request.flags = flags;
  request.defaultExtension = text.defaultExtension;
  return request;
}

}  // namespace

platform::FilePickerRequest openPickerRequest(const AppState& app, platform::WindowHandle owner,
                                              const PickerText& text) {
  return pickerRequest(app, owner, text,
                       platform::kPickerFileMustExist | platform::kPickerHideReadOnly);
}

platform::FilePickerRequest savePickerRequest(const AppState& app, platform::WindowHandle owner,
                                              const PickerText& text,
                                              std::u16string_view proposedPath) {
  platform::FilePickerRequest request = pickerRequest(
      app, owner, text, platform::kPickerOverwritePrompt | platform::kPickerHideReadOnly);
  request.path = proposedPath;
  return request;
}

}  // namespace qel
