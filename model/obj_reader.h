#pragma once

#include <string>
#include <string_view>

#include "base/progress.h"
#include "base/result.h"
#include "model/info_message_sink.h"
#include "model/model_diagnostics.h"
#include "model/obj_model.h"
#include "model/repair_reading.h"

namespace qel {

// The repair takes every corner of a face up to this many, on a line that fits a piece.
inline constexpr std::size_t kMostFaceCorners = 256;

// Reads an OBJ file into model, which is in its initial state: positions (v), normals
// (vn), texture coordinates (vt), the material library (mtllib, read with
// readMaterialFile), material selections (usemtl), smoothing (s) and faces (f), every
// other statement ignored. Each face corner becomes a vertex of its own; a face of four
// or more corners gives the two triangles of its first four. Corners take the forms v,
// v/vt, v//vn and v/vt/vn; negative numbers count back from the last entry read.
// Without smoothing, faces get their flat normal.
//
// Every problem goes to diagnostics with its file and line. Errors: the file cannot be
// opened or read, a path does not fit a path buffer, a corner names an entry that does not
// exist, or a list would grow beyond its capacity; converting stops at the first, checking
// leaves out the statement and reads on. Warnings, kept while checking, are what reads
// but is likely wrong, such as a triangle without area or an ignored statement. A material
// library that cannot be read is skipped (a warning): its materials are missing and the
// faces keep u = v = 0. Answers kFailure when an error was reported.
//
// With repair, in the repair's mode (RepairReading), keeping there what the repair needs.
// progress follows the bytes of the OBJ file; once it stops the reading, kCancelled, with
// nothing told to diagnostics.
Result readObjFile(std::u16string_view path, ObjModel& model, InfoMessageSink& messages,
                   ModelDiagnostics& diagnostics, RepairReading* repair = nullptr,
                   Progress& progress = noProgress());

// Whether path names an OBJ model, by its extension; the tools read anything else as a
// container file.
bool isObjPath(std::u16string_view path);

}  // namespace qel
