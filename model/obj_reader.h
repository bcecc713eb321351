#pragma once

#include <string>
#include <string_view>

#include "base/result.h"
#include "model/info_message_sink.h"
#include "model/obj_model.h"

namespace qel {

// Reads an OBJ file into model, which is in its initial state: positions (v), normals
// (vn), texture coordinates (vt), the material library (mtllib, read with
// readMaterialFile), material selections (usemtl), smoothing (s) and faces (f), every
// other statement ignored. Each face corner becomes a vertex of its own; a face of four
// or more corners gives the two triangles of its first four. Corners take the forms v,
// v/vt, v//vn and v/vt/vn; negative numbers count back from the last entry read.
// Without smoothing, faces get their flat normal.
//
// Answers kFailure, with refusal saying why in one line ("line 12: ..." for a statement of
// this file, the path and line for one of a material file), when the file cannot be opened
// or read, a path does not fit a path buffer, a corner names an entry that does not
// exist, or a list would grow beyond its capacity. A material library that cannot be
// read is skipped: its materials are missing and the faces keep u = v = 0.
Result readObjFile(std::u16string_view path, ObjModel& model, InfoMessageSink& messages,
                   std::string& refusal);

}  // namespace qel
