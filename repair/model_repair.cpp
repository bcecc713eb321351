#include "repair/model_repair.h"

#include <algorithm>
#include <cmath>

#include "base/path_parts.h"
#include "image/png_check.h"
#include "model/model_blob.h"
#include "model/model_file_lookup.h"
#include "model/obj_reader.h"
#include "model/texture_mapping.h"
#include "preview/png_codec.h"
#include "repair/atlas_cells.h"
#include "repair/atlas_layout.h"

namespace qel {
namespace {

ModelConversion refused(const ModelDiagnostics& diagnostics, std::u16string_view objPath) {
  ModelConversion conversion;
  conversion.refusal = diagnostics.refusal(objPath);
  return conversion;
}

// The stages' shares of the whole: reading the OBJ file, then either the exact conversion
// or the simplification of a model over capacity, the painting of the atlas and its PNG.
constexpr std::uint64_t kReadShare = 400;
constexpr std::uint64_t kSimplifyShare = 600;
constexpr std::uint64_t kPaintShare = 950;
constexpr std::uint64_t kWhole = 1000;

// A TIM texture names a rectangle of the first material's image, which the exact
// conversion maps its faces into; its pixels are never the part's.
bool isTim(std::u16string_view texture) {
  return equalIgnoringCase(splitPath(texture).extension, u".tim");
}

// Whether every face uses the first material's texture or a TIM rectangle of it, with no
// more than four corners: the exact conversion gives all the repair would.
bool needsNoMending(const RepairReading& reading) {
  if (reading.materials.empty() || reading.facesSplit) return false;
  const std::u16string& first = reading.materials[0].texture;
  if (first.empty()) return false;
  for (const std::int32_t material : reading.vertexMaterials) {
    if (material < 0) return false;
    const std::u16string& texture = reading.materials[material].texture;
    if (texture != first && !isTim(texture)) return false;
  }
  return true;
}

// A coordinate outside 0..1 by its fractional part, so that it stays in its rectangle.
float wrapped(float value) {
  if (value >= 0.0f && value <= 1.0f) return value;
  if (!std::isfinite(value)) return 0.0f;
  return value - std::floor(value);
}

MaterialEntry entryAt(const AtlasPlace& place, int atlasHeight) {
  MaterialEntry entry{};
  entry.rectX = static_cast<float>(place.x);
  entry.rectY = static_cast<float>(atlasHeight - place.y - place.height);
  entry.rectWidth = static_cast<float>(place.width);
  entry.rectHeight = static_cast<float>(place.height);
  return entry;
}

// Per cell, whether it is painted in one colour: it has no image, or its image failed.
std::vector<bool> oneColourCells(const std::vector<AtlasCell>& cells, const RepairNotes& notes) {
  std::vector<bool> oneColour;
  for (const AtlasCell& cell : cells) {
    oneColour.push_back(cell.image.empty() ||
                        std::any_of(notes.skipped.begin(), notes.skipped.end(),
                                    [&](const SkippedImage& s) { return s.path == cell.image; }));
  }
  return oneColour;
}

// Passes progress on and notes whether it asked to stop.
class CancelNoted final : public Progress {
 public:
  CancelNoted(Progress& progress, bool& cancelled) : progress_(progress), cancelled_(cancelled) {}
  bool advance(std::uint64_t done, std::uint64_t total) override {
    cancelled_ = !progress_.advance(done, total);
    return !cancelled_;
  }

 private:
  Progress& progress_;
  bool& cancelled_;
};

// The mesh, which fits the working model's lists, moved into them.
void takeMesh(RepairMesh& mesh, ObjModel& model) {
  const std::int32_t count = mesh.vertices.size();
  std::copy(mesh.vertices.begin(), mesh.vertices.end(), model.vertices.spare(count));
  model.vertices.extend(count);
  for (const std::uint32_t index : mesh.indices) {
    model.indices.push(static_cast<std::uint16_t>(index));
  }
  mesh.vertices.release();
  mesh.indices.release();
}

}  // namespace

ModelConversion convertObjModelWithRepair(std::u16string_view objPath, InfoMessageSink& messages,
                                          Progress& progress, std::u16string_view imageForAll) {
  const ObjModelPtr model = createObjModel();
  RepairReading reading;
  ModelDiagnostics diagnostics(ModelDiagnostics::Mode::FirstError);
  const FolderListingScope listings;
  ProgressStage readStage(progress, 0, kReadShare, kWhole);
  const Result read = readObjFile(objPath, *model, messages, diagnostics, &reading, readStage);
  if (read == kCancelled) return ModelConversion::cancelled();
  if (failed(read)) return refused(diagnostics, objPath);
  const std::int32_t triangles = reading.mesh.indices.size() / 3;
  if (triangles == 0) {
    diagnostics.error(objPath, 0, "model.no-face", "the model has no face");
    return refused(diagnostics, objPath);
  }
  const bool overCapacity = triangles > ObjModel::kTriangleCapacity;
  if (!overCapacity && needsNoMending(reading)) {
    ProgressStage exactStage(progress, kReadShare, kWhole, kWhole);
    // Its TIM messages are told only when the exact conversion is what the author gets.
    HeldInfoMessages held;
    ModelConversion exact = convertObjModel(objPath, held, exactStage);
    if (exact.result == kCancelled) return exact;
    if (!failed(exact.result)) {
      held.release(messages);
      return exact;
    }
  }
  RepairNotes notes;
  if (overCapacity) {
    bool cancelled = false;
    CancelNoted noted(progress, cancelled);
    ProgressStage simplifyStage(noted, kReadShare, kSimplifyShare, kWhole);
    notes.simplification = simplifyToFit(reading, ObjModel::kTriangleCapacity, simplifyStage);
    if (cancelled) return ModelConversion::cancelled();
    if (!notes.simplification) {
      RefusalFacts facts;
      facts.list = ModelList::Triangles;
      facts.count = facts.triangles = static_cast<std::uint64_t>(triangles);
      facts.limit = ObjModel::kTriangleCapacity;
      diagnostics.error(objPath, 0, "repair.not-simplified",
                        std::to_string(triangles) + " triangles, which cannot be simplified to " +
                            std::to_string(ObjModel::kTriangleCapacity),
                        std::move(facts));
      return refused(diagnostics, objPath);
    }
  }
  takeMesh(reading.mesh, *model);

  notes.unreadableLibrary = diagnostics.unreadableLibrary();
  notes.libraryFault = diagnostics.libraryFault();
  const auto cells = gatherAtlasCells(reading, objPath, imageForAll, diagnostics, notes);
  if (!cells) return refused(diagnostics, objPath);
  std::vector<CellSize> sizes;
  for (const AtlasCell& cell : cells->cells) sizes.push_back(cell.size);
  const auto layout = layOutAtlas(sizes);
  if (!layout) {
    diagnostics.error(objPath, 0, "repair.atlas-full",
                      "more materials than the texture of " + largestImageText() + " has room for");
    return refused(diagnostics, objPath);
  }

  ProgressStage paintStage(progress, kSimplifyShare, kPaintShare, kWhole);
  const std::optional<RgbaImage> painted = paintAtlas(*cells, *layout, notes, paintStage);
  if (!painted) return ModelConversion::cancelled();
  const RgbaImage& atlas = *painted;
  std::vector<MaterialMapping> mappings;
  for (const AtlasPlace& place : layout->places) {
    mappings.emplace_back(entryAt(place, atlas.height), static_cast<float>(atlas.width),
                          static_cast<float>(atlas.height));
  }
  const std::vector<bool> oneColour = oneColourCells(cells->cells, notes);
  for (std::int32_t i = 0; i < model->vertices.size(); ++i) {
    const std::int32_t material = reading.vertexMaterials[i];
    const std::int32_t cell = cells->cellOf[material < 0 ? cells->cellOf.size() - 1 : material];
    const TexCoord written = reading.vertexTexCoords[i];
    // A colour cell is a few pixels wide: its faces take its middle, where filtering
    // reaches no neighbouring cell.
    const TexCoord uv = oneColour[cell]
                            ? mappings[cell].map({0.5f, 0.5f})
                            : mappings[cell].map({wrapped(written.u), wrapped(written.v)});
    model->vertices[i].u = uv.u;
    model->vertices[i].v = uv.v;
  }
  model->atlasWidth = static_cast<float>(atlas.width);
  model->atlasHeight = static_cast<float>(atlas.height);

  ModelConversion conversion;
  conversion.blob = std::move(*buildModelBlob(*model, 1.0f));
  conversion.texture = encodePng(atlas);
  conversion.result = kSuccess;
  conversion.vertexCount = model->vertices.size();
  conversion.indexCount = model->indices.size();
  conversion.materialCount = model->materials.size();
  conversion.atlasWidth = model->atlasWidth;
  conversion.atlasHeight = model->atlasHeight;
  conversion.materialLibraries = diagnostics.libraries();
  for (const RepairReading::Material& material : reading.materials) {
    if (!material.texture.empty()) conversion.textureFiles.push_back(material.texture);
  }
  if (!notes.images.empty()) {
    if (notes.noMaterialTexture) conversion.textureFiles.push_back(notes.images.front());
    conversion.texturePath = notes.images.front();
  }
  conversion.repairNotes = std::move(notes);
  return conversion;
}

}  // namespace qel
