#include "repair/atlas_cells.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "container/whole_file.h"
#include "model/model_file_lookup.h"
#include "model/refusal_text.h"
#include "repair/texture_beside.h"
#include "repair/texture_image.h"

namespace qel {
namespace {

// A colour's cell: small, the same colour throughout.
constexpr int kColourCell = 8;

// No texture file longer than this is read: more than the largest picture decoded takes.
constexpr std::uint64_t kLongestTextureFile = kLargestTexturePixels * 4;

// The decoding that one conversion does for all its images together: a model of many
// large textures is refused at once instead of decoding for minutes.
constexpr std::uint64_t kMostDecodedPixels = std::uint64_t{1} << 28;  // 16 of 4096 x 4096
constexpr std::uint64_t kMostTextureBytes = std::uint64_t{1} << 29;

// Faces without a material are drawn as a material without Kd.
Vector3 noMaterialColour() {
  return RepairReading::Material{}.diffuse;
}

Rgba rgbaOf(Vector3 colour) {
  const auto channel = [](float value) {
    const float clamped = value < 0.0f ? 0.0f : value > 1.0f ? 1.0f : value;
    return static_cast<std::uint8_t>(clamped * 255.0f + 0.5f);
  };
  return {channel(colour.x), channel(colour.y), channel(colour.z), 255};
}

class CellGathering {
 public:
  CellGathering(AtlasCells& cells, RepairNotes& notes) : cells_(cells), notes_(notes) {}

  std::int32_t colourCell(Vector3 colour) {
    const Rgba rgba = rgbaOf(colour);
    const auto key = std::tuple{rgba.r, rgba.g, rgba.b};
    if (const auto found = byColour_.find(key); found != byColour_.end()) return found->second;
    return byColour_[key] = add({{kColourCell, kColourCell}, rgba, {}});
  }

  // The cell of an image file, or nothing when it is skipped.
  std::optional<std::int32_t> imageCell(const std::u16string& path, Vector3 colour) {
    if (const auto found = byPath_.find(path); found != byPath_.end()) return found->second;
    return byPath_[path] = readHeader(path, colour);
  }

  // Which bound the images together exceed, in English, if any.
  std::optional<std::string> beyondBounds() const {
    if (bytes_ > kMostTextureBytes) {
      return "the texture files hold " + std::to_string(bytes_) + " bytes; the repair reads " +
             std::to_string(kMostTextureBytes) + " at most";
    }
    if (pixels_ > kMostDecodedPixels || passes_ > kMostPixelPasses) {
      return "the textures hold " + std::to_string(pixels_) + " pixels in " +
             std::to_string(passes_) + " pixel passes; the repair decodes " +
             std::to_string(kMostDecodedPixels) + " pixels in " + std::to_string(kMostPixelPasses) +
             " passes at most";
    }
    return std::nullopt;
  }

 private:
  std::int32_t add(AtlasCell cell) {
    cells_.cells.push_back(std::move(cell));
    return static_cast<std::int32_t>(cells_.cells.size() - 1);
  }

  std::optional<std::int32_t> skip(const std::u16string& path, ImageFault fault) {
    notes_.skipped.push_back({path, fault});
    return std::nullopt;
  }

  std::optional<std::int32_t> readHeader(const std::u16string& path, Vector3 colour) {
    const auto file = openModelFile(path);
    if (!file) return skip(path, ImageFault::Missing);
    // The same file under another name (a hard link, another case, a ./ prefix) is the
    // same cell, read and decoded once.
    const auto identity = file->identity();
    if (identity) {
      if (const auto found = byIdentity_.find(*identity); found != byIdentity_.end()) {
        return found->second;
      }
    }
    const auto data = readWholeFile(*file, kLongestTextureFile);
    if (!data) return skip(path, ImageFault::Missing);
    const TextureHeader header = readTextureHeader(*data);
    if (header.fault) return skip(path, *header.fault);
    bytes_ += data->size();
    pixels_ += header.pixels();
    passes_ += header.pixelPasses();
    const std::int32_t cell =
        add({fittedSize(header.width, header.height, kAtlasSide), rgbaOf(colour), path});
    if (identity) byIdentity_[*identity] = cell;
    return cell;
  }

  AtlasCells& cells_;
  RepairNotes& notes_;
  std::map<std::u16string, std::optional<std::int32_t>> byPath_;
  std::map<platform::FileIdentity, std::int32_t> byIdentity_;
  std::map<std::tuple<std::uint8_t, std::uint8_t, std::uint8_t>, std::int32_t> byColour_;
  std::uint64_t bytes_ = 0;
  std::uint64_t pixels_ = 0;
  std::uint64_t passes_ = 0;
};

bool namesNoTexture(const RepairReading& reading) {
  return std::all_of(reading.materials.begin(), reading.materials.end(),
                     [](const RepairReading::Material& m) { return m.texture.empty(); });
}

void fill(RgbaImage& atlas, const AtlasPlace& place, Rgba colour) {
  for (int y = place.y; y < place.y + place.height; ++y) {
    for (int x = place.x; x < place.x + place.width; ++x) atlas.set(x, y, colour);
  }
}

}  // namespace

std::optional<AtlasCells> gatherAtlasCells(const RepairReading& reading,
                                           std::u16string_view objPath,
                                           std::u16string_view imageForAll,
                                           ModelDiagnostics& diagnostics, RepairNotes& notes) {
  AtlasCells cells;
  CellGathering gathering(cells, notes);
  const auto noMaterial = static_cast<std::int32_t>(reading.materials.size());
  cells.cellOf.assign(reading.materials.size() + 1, -1);
  std::optional<std::int32_t> beside;
  notes.noMaterialTexture = namesNoTexture(reading);
  if (notes.noMaterialTexture && !imageForAll.empty()) {
    beside = gathering.imageCell(std::u16string(imageForAll), noMaterialColour());
  } else if (notes.noMaterialTexture) {
    if (const auto found = findTextureBeside(objPath)) {
      beside = gathering.imageCell(*found, noMaterialColour());
      notes.imageFoundBeside = beside.has_value();
    }
  }
  for (const std::int32_t used : reading.vertexMaterials) {
    const std::int32_t material = used < 0 ? noMaterial : used;
    if (cells.cellOf[material] >= 0) continue;
    const Vector3 colour =
        material == noMaterial ? noMaterialColour() : reading.materials[material].diffuse;
    std::optional<std::int32_t> cell = beside;
    if (!cell && material != noMaterial && !reading.materials[material].texture.empty()) {
      cell = gathering.imageCell(reading.materials[material].texture, colour);
    }
    cells.cellOf[material] = cell ? *cell : gathering.colourCell(colour);
  }
  if (const auto beyond = gathering.beyondBounds()) {
    diagnostics.error(objPath, 0, "repair.decoding-bound", *beyond);
    return std::nullopt;
  }
  return cells;
}

std::optional<RgbaImage> paintAtlas(const AtlasCells& cells, const AtlasLayout& layout,
                                    RepairNotes& notes, Progress& progress) {
  RgbaImage atlas(layout.width, layout.height, rgbaOf(noMaterialColour()));
  for (std::size_t i = 0; i < cells.cells.size(); ++i) {
    const AtlasCell& cell = cells.cells[i];
    const AtlasPlace& place = layout.places[i];
    if (cell.image.empty()) {
      fill(atlas, place, cell.colour);
      continue;
    }
    const auto data = readModelFile(cell.image, kLongestTextureFile);
    const DecodedTexture decoded = data ? decodeTextureImage(*data) : DecodedTexture{};
    if (decoded.image) {
      resampleInto(*decoded.image, atlas, place.x, place.y, place.width, place.height);
      notes.images.push_back(cell.image);
    } else {
      fill(atlas, place, cell.colour);
      notes.skipped.push_back({cell.image, data ? decoded.fault : ImageFault::Missing});
    }
    if (!progress.advance(i + 1, cells.cells.size())) return std::nullopt;
  }
  return atlas;
}

}  // namespace qel
