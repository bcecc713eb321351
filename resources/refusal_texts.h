#pragma once

#include <string>
#include <string_view>

#include "base/path_parts.h"
#include "container/container_file.h"
#include "image/png_check.h"
#include "model/model_conversion.h"
#include "model/model_refusal.h"
#include "model/repair_notes.h"

namespace qel::resources {

// The Japanese texts of the core's refusals, as the desktop programs show them: what could
// not be done, why with its numbers, and what to do, each on a line of its own.

// Opening a container file: the box's whole text, with the path on a line of its own.
std::u16string japaneseText(const ContainerFileOpening& opening, std::u16string_view path);

// Any file that could not be opened: the box's whole text, the path and the reason each on a
// line of their own.
std::u16string openRefusedText(std::u16string_view path, std::u16string_view reason);

// A path longer than a path buffer holds, after the text of what could not be done.
std::u16string pathTooLongText();

// Setting a model: the box's whole text.
std::u16string japaneseText(const ModelRefusal& refusal);

// Setting a texture or side view that is no PNG or too large: why, and whether to convert
// it into a PNG that fits.
std::u16string imageConversionOfferText(const ImageCheck& check);
// The conversion offered could not be done: the box's whole text.
std::u16string imageConversionFailedText(ImageFault fault);
// The first line of a model refusal's reason, without its advice.
std::u16string modelReasonLine(const ModelRefusal& refusal);

// Storing a texture or side view: the reason alone.
std::u16string japaneseText(const ImageCheck& check);

// Storing a texture or side view: the box's whole text.
std::u16string imageRefusedText(const ImageCheck& check);

// A save of an incomplete record: the box's whole text, every missing item named.
std::u16string japaneseText(const SaveReadiness& readiness);

// A refused or failed save (and export): the box's whole text; empty for one made or
// cancelled.
std::u16string japaneseText(const ContainerSave& save, std::u16string_view path);

// A failed write: the line that says why; for a failure of no known reason the system's error
// and call, and empty for a refusal of the program's own that names none.
std::u16string japaneseText(platform::WriteFailure failure);

// "保存できませんでした。" with the path and the cause, for any failed write.
std::u16string writeFailedText(std::u16string_view path, platform::WriteFailure failure);

}  // namespace qel::resources
