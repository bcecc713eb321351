#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "app/app_state.h"
#include "base/bytes.h"
#include "image/png_check.h"

namespace qel {

// The load and export roads shared by the texture and the side view.
using ImageStore = ImageCheck (*)(ContainerRecord& record, std::span<const std::uint8_t> data);
using ImageCopy = std::optional<Bytes> (*)(const ContainerRecord& record);

// Picks a PNG file; nothing when the picker is cancelled.
std::optional<std::u16string> pickImageFile(AppState& app, platform::WindowHandle window,
                                            std::u16string_view title, std::u16string_view caption);

// Stores the PNG file at path with store, and watches it as the source of kind. A file that
// cannot be read or is refused is said with its reason under caption; a stored or refused
// one repaints.
void loadImageFrom(AppState& app, platform::WindowHandle window, std::u16string_view path,
                   std::u16string_view caption, ImageStore store, resources::SourceKind kind);

// Stores bytes as if they had been read from a file the user picked; a refusal is said with
// its reason under caption and leaves the record and its revision as they were. Answers
// whether they were stored.
bool storeImageBytes(AppState& app, platform::WindowHandle window, std::u16string_view caption,
                     ImageStore store, std::span<const std::uint8_t> bytes);

// Writes the slot's bytes unchanged to a picked file; does nothing (not even the picker)
// when the slot is empty. A failed write is said with caption. Never repaints.
void exportImageFile(AppState& app, platform::WindowHandle window, std::u16string_view title,
                     std::u16string_view caption, ImageCopy copy);

}  // namespace qel
