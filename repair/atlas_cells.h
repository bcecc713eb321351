#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/progress.h"
#include "model/model_diagnostics.h"
#include "model/repair_notes.h"
#include "model/repair_reading.h"
#include "preview/rgba_image.h"
#include "repair/atlas_layout.h"

namespace qel {

// A rectangle of the repair's atlas: an image file's picture, or one colour.
struct AtlasCell {
  CellSize size;         // as wanted, before the atlas scales it
  Rgba colour;           // a colour cell's; an image cell's when its image fails after all
  std::u16string image;  // the image file, empty for a colour cell
};

struct AtlasCells {
  std::vector<AtlasCell> cells;
  // Per material of the reading, its cell (-1 for a material no face uses); last, the
  // cell of faces without a material.
  std::vector<std::int32_t> cellOf;
};

// The cells for the materials that reading's faces use. Each image file is read once for
// its header, however many names reach it; one that cannot be read or is beyond the
// decoder's bounds goes to notes.skipped, and its materials get their colour. When no
// material names a texture, an image beside the OBJ file named after it is taken for every
// face, or imageForAll when the author picked one. Nothing after an error to diagnostics:
// the images together need more decoding than one conversion does.
std::optional<AtlasCells> gatherAtlasCells(const RepairReading& reading,
                                           std::u16string_view objPath,
                                           std::u16string_view imageForAll,
                                           ModelDiagnostics& diagnostics, RepairNotes& notes);

// The atlas of layout's size with every cell in its place: each image decoded, scaled into
// its place and let go before the next, so that no more than one is held at full size.
// An image that fails now gets its cell's colour and goes to notes.skipped; those drawn go
// to notes.images. progress hears of each cell painted; nothing once it stopped the painting.
std::optional<RgbaImage> paintAtlas(const AtlasCells& cells, const AtlasLayout& layout,
                                    RepairNotes& notes, Progress& progress);

}  // namespace qel
