#include "model/model_conversion.h"

#include "model/face_rule.h"
#include "model/first_texture.h"
#include "model/model_blob.h"
#include "model/model_file_lookup.h"
#include "model/obj_reader.h"

namespace qel {
namespace {

ModelConversion refused(ModelRefusal refusal) {
  ModelConversion conversion;
  conversion.refusal = std::move(refusal);
  return conversion;
}

}  // namespace

ModelConversion convertObjModel(std::u16string_view objPath, InfoMessageSink& messages,
                                Progress& progress) {
  return convertObjModel(objPath, *createObjModel(), messages, progress);
}

ModelConversion convertObjModel(std::u16string_view objPath, ObjModel& model,
                                InfoMessageSink& messages, Progress& progress) {
  ModelDiagnostics diagnostics(ModelDiagnostics::Mode::FirstError);
  const FolderListingScope listings;
  const Result read = readObjFile(objPath, model, messages, diagnostics, nullptr, progress);
  if (read == kCancelled) return ModelConversion::cancelled();
  if (failed(read)) return refused(diagnostics.refusal(objPath));
  auto texture = takeFirstTexture(model, objPath, diagnostics);
  if (!texture) return refused(diagnostics.refusal(objPath));
  if (refuseFacelessModel(model, objPath, diagnostics))
    return refused(diagnostics.refusal(objPath));
  auto blob = buildModelBlob(model, 1.0f);

  ModelConversion conversion;
  conversion.result = kSuccess;
  conversion.blob = std::move(*blob);
  conversion.texture = std::move(*texture);
  conversion.vertexCount = model.vertices.size();
  conversion.indexCount = model.indices.size();
  conversion.materialCount = model.materials.size();
  conversion.atlasWidth = model.atlasWidth;
  conversion.atlasHeight = model.atlasHeight;
  conversion.texturePath = model.materials[0].texturePath.str();
  conversion.cutFaces = diagnostics.cutFaces();
  conversion.materialLibraries = diagnostics.libraries();
  conversion.textureFiles.push_back(conversion.texturePath);
  return conversion;
}

}  // namespace qel
