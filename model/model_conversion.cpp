#include "model/model_conversion.h"

#include "base/path_parts.h"
#include "image/png_check.h"
#include "model/model_blob.h"
#include "model/model_file_lookup.h"
#include "model/obj_reader.h"
#include "model/refusal_text.h"

namespace qel {
namespace {

ModelConversion refused(std::string reason) {
  ModelConversion conversion;
  conversion.reason = std::move(reason);
  return conversion;
}

std::string sizeText(const PngSize& size) {
  return std::to_string(size.width) + " x " + std::to_string(size.height);
}

}  // namespace

ModelConversion convertObjModel(std::u16string_view objPath, InfoMessageSink& messages) {
  return convertObjModel(objPath, *createObjModel(), messages);
}

ModelConversion convertObjModel(std::u16string_view objPath, ObjModel& model,
                                InfoMessageSink& messages) {
  std::string refusal;
  if (failed(readObjFile(objPath, model, messages, refusal))) return refused(std::move(refusal));
  if (model.materials.empty()) {
    return refused("no material with a texture statement");
  }

  const std::u16string texturePath = model.materials[0].texturePath.str();
  const std::string textureName = displayPath(texturePath);
  if (texturePath.empty()) {
    return refused("the texture path of the first material is longer than " +
                   std::to_string(kLongestPath) + " units");
  }
  if (!equalIgnoringCase(splitPath(texturePath).extension, u".png")) {
    return refused("the first material's texture is not a PNG file: " + textureName);
  }
  auto texture = readModelFile(texturePath);
  if (!texture) return refused("the PNG texture cannot be read: " + textureName);
  PngSize size;
  if (failed(readPngSize(*texture, size))) {
    return refused("the texture is not a PNG file: " + textureName);
  }
  if (size.width > kMaxImageSide || size.height > kMaxImageSide) {
    return refused("the PNG texture is " + sizeText(size) +
                   " pixels, larger than 256 x 256: " + textureName);
  }
  auto blob = buildModelBlob(model, 1.0f);
  if (!blob) return refused("the model has no face");

  ModelConversion conversion;
  conversion.result = kSuccess;
  conversion.blob = std::move(*blob);
  conversion.texture = std::move(*texture);
  conversion.vertexCount = model.vertices.size();
  conversion.indexCount = model.indices.size();
  conversion.materialCount = model.materials.size();
  conversion.atlasWidth = model.atlasWidth;
  conversion.atlasHeight = model.atlasHeight;
  conversion.texturePath = texturePath;
  return conversion;
}

}  // namespace qel
