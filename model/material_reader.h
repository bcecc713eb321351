#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/result.h"
#include "model/info_message_sink.h"
#include "model/model_diagnostics.h"
#include "model/obj_model.h"

namespace qel {

// Reads an MTL file and appends one MaterialEntry for every texture statement (every
// keyword beginning with "m"), named by the newmtl statement before it. A BMP or PNG
// texture, looked for in the file's own folder, covers the whole atlas and sets the
// atlas size; a TIM texture is looked for in the file's folder, in TIM/ beside that
// folder, in the parent folder and last as written, and gives the rectangle its header
// records. A texture that cannot be read leaves its entry with a zero rectangle; the two
// TIM problems are told to messages. Textures that cannot be read are warnings to
// diagnostics, and so are the TIM messages.
//
// Answers kFailure when the file cannot be opened (the model is unchanged) or when
// diagnostics stopped the reading at an error: more texture statements than the material
// list takes.
Result readMaterialFile(std::u16string_view mtlPath, ObjModel& model, InfoMessageSink& messages,
                        ModelDiagnostics& diagnostics);

// Material statements past a full material list, counted so that the refusal says how
// many the files hold.
class MaterialsBeyond {
 public:
  void count(std::uint32_t line);
  // The error of a full list, when statements were counted; kFailure when it stops the
  // reading.
  Result report(std::u16string_view mtlPath, ModelDiagnostics& diagnostics) const;

 private:
  std::optional<std::uint32_t> firstLine_;
  std::uint64_t count_ = 0;
};

}  // namespace qel
