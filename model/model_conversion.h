#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/bytes.h"
#include "base/progress.h"
#include "base/result.h"
#include "model/info_message_sink.h"
#include "model/model_refusal.h"
#include "model/obj_model.h"
#include "model/repair_notes.h"

namespace qel {

// The outcome of converting an OBJ file for a container.
struct ModelConversion {
  // kCancelled, with no refusal, when the caller's Progress stopped it.
  Result result = kFailure;
  // On failure, why: which line of the OBJ file, which material file and line, which
  // list and how full, which texture and its size.
  ModelRefusal refusal;
  // On success: the ModelBlob, byte for byte as storeModel takes it, and the bytes of
  // the first material's PNG texture, as storeTexture takes them. Both empty on failure.
  Bytes blob;
  Bytes texture;
  // What was converted, for a summary.
  std::int32_t vertexCount = 0;
  std::int32_t indexCount = 0;
  std::int32_t materialCount = 0;
  float atlasWidth = 0.0f;
  float atlasHeight = 0.0f;
  std::u16string texturePath;  // the texture file taken
  // Faces of more than four corners that kept their first four: the model has holes that
  // the repair, which takes every corner, would not leave.
  std::uint32_t cutFaces = 0;
  // The files it was made of besides the OBJ file, for a caller that watches them.
  std::vector<std::u16string> materialLibraries;
  std::vector<std::u16string> textureFiles;
  // Set by the repair only.
  RepairNotes repairNotes;

  // What a conversion that its Progress stopped answers.
  static ModelConversion cancelled() {
    ModelConversion conversion;
    conversion.result = kCancelled;
    return conversion;
  }
};

// Reads the OBJ file at objPath with its material library into a fresh ObjModel and
// builds its ModelBlob in memory; nothing is written beside the OBJ file. The first
// material's texture must be a PNG file of at most 256 by 256 pixels: model and texture
// are taken together or not at all. The conversion is refused when the OBJ file cannot
// be read, no material has a texture statement, the first texture is not named as a PNG
// file or cannot be read as one, is larger than 256 by 256, the model has no face, a
// face names an entry that does not exist, or a list would exceed its capacity.
//
// The TIM messages of the material reader go to messages while the conversion runs,
// before its outcome is known. progress follows the reading of the OBJ file. To set the
// model: storeModel(record, blob), then storeTexture(record, texture).
ModelConversion convertObjModel(std::u16string_view objPath, InfoMessageSink& messages,
                                Progress& progress = noProgress());

// The same in a working model of the caller's, in its initial state (createObjModel, or
// resetObjModel after a conversion), for a caller that converts many files and would
// otherwise allocate megabytes for each.
ModelConversion convertObjModel(std::u16string_view objPath, ObjModel& model,
                                InfoMessageSink& messages, Progress& progress = noProgress());

}  // namespace qel
