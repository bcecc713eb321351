#include "repair/atlas_cells.h"

#include <map>
#include <tuple>

#include "container/container_format.h"
#include "model/model_file_lookup.h"
#include "model/refusal_text.h"
#include "repair/atlas_layout.h"
#include "repair/texture_image.h"

namespace qel {
namespace {

// A colour's cell: small, the same colour throughout.
constexpr int kColourCell = 8;

// No texture file longer than this is read: more than the largest picture decoded takes.
constexpr std::uint64_t kLongestTextureFile = kLargestTexturePixels * 4;

std::uint8_t channel(float value) {
  const float clamped = value < 0.0f ? 0.0f : value > 1.0f ? 1.0f : value;
  return static_cast<std::uint8_t>(clamped * 255.0f + 0.5f);
}

class CellGathering {
 public:
  CellGathering(std::u16string_view objPath, ModelDiagnostics& diagnostics)
      : objPath_(objPath), diagnostics_(diagnostics) {}

  std::optional<std::int32_t> colourCell(Vector3 colour) {
    const Rgba rgba{channel(colour.x), channel(colour.y), channel(colour.z), 255};
    const auto key = std::tuple{rgba.r, rgba.g, rgba.b};
    if (const auto found = byColour_.find(key); found != byColour_.end()) return found->second;
    return byColour_[key] = add(RgbaImage(kColourCell, kColourCell, rgba));
  }

  std::optional<std::int32_t> imageCell(const std::u16string& path) {
    if (const auto found = byFile_.find(path); found != byFile_.end()) return found->second;
    const auto data = readModelFile(path, kLongestTextureFile);
    if (!data) return refuse(path, "the texture cannot be read: " + displayPath(path));
    DecodedTexture decoded = decodeTextureImage(*data);
    if (!decoded.image) {
      return refuse(path, "the texture " + displayPath(path) + " is " + decoded.problem);
    }
    return byFile_[path] = add(fitWithin(*decoded.image, kAtlasSide));
  }

  AtlasCells& cells() { return cells_; }

 private:
  std::int32_t add(RgbaImage image) {
    cells_.images.push_back(std::move(image));
    return static_cast<std::int32_t>(cells_.images.size() - 1);
  }

  std::nullopt_t refuse(const std::u16string& path, std::string what) {
    RefusalFacts facts;
    facts.subject = path;
    diagnostics_.error(objPath_, 0, "repair.texture-unreadable", std::move(what), std::move(facts));
    return std::nullopt;
  }

  std::u16string_view objPath_;
  ModelDiagnostics& diagnostics_;
  AtlasCells cells_;
  std::map<std::u16string, std::int32_t> byFile_;
  std::map<std::tuple<std::uint8_t, std::uint8_t, std::uint8_t>, std::int32_t> byColour_;
};

}  // namespace

std::optional<AtlasCells> gatherAtlasCells(const RepairReading& reading,
                                           std::u16string_view objPath,
                                           ModelDiagnostics& diagnostics, Progress& progress) {
  CellGathering gathering(objPath, diagnostics);
  const auto noMaterial = static_cast<std::int32_t>(reading.materials.size());
  std::vector<std::int32_t>& cellOf = gathering.cells().cellOf;
  cellOf.assign(reading.materials.size() + 1, -1);
  std::uint64_t done = 0;
  for (const std::int32_t used : reading.vertexMaterials) {
    const std::int32_t material = used < 0 ? noMaterial : used;
    if (cellOf[material] >= 0) continue;
    std::optional<std::int32_t> cell;
    if (material == noMaterial) {
      cell = gathering.colourCell(RepairReading::Material{}.diffuse);
    } else if (const auto& texture = reading.materials[material].texture; !texture.empty()) {
      cell = gathering.imageCell(texture);
    } else {
      cell = gathering.colourCell(reading.materials[material].diffuse);
    }
    if (!cell || !progress.advance(++done, cellOf.size())) return std::nullopt;
    cellOf[material] = *cell;
  }
  return std::move(gathering.cells());
}

}  // namespace qel
