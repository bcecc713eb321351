#pragma once

#include <string>
#include <string_view>

#include "base/result.h"
#include "model/info_message_sink.h"
#include "model/obj_model.h"

namespace qel {

// Reads an MTL file and appends one MaterialEntry for every texture statement (every
// keyword beginning with "m"), named by the newmtl statement before it. A BMP or PNG
// texture, looked for in the file's own folder, covers the whole atlas and sets the
// atlas size; a TIM texture is looked for in the file's folder, in TIM/ beside that
// folder, in the parent folder and last as written, and gives the rectangle its header
// records. A texture that cannot be read leaves its entry with a zero rectangle; the two
// TIM problems are told to messages.
//
// Answers kFailure when the file cannot be opened (the model is unchanged) or when it
// holds more texture statements than the material list takes; refusal then says so in
// one line and the conversion must be refused.
Result readMaterialFile(std::u16string_view mtlPath, ObjModel& model, InfoMessageSink& messages,
                        std::string& refusal);

}  // namespace qel
