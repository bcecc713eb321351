#pragma once

#include <string_view>
#include <vector>

#include "base/diagnostic.h"
#include "model/model_scale.h"

namespace qel {

// Every problem of the container file at path, read as the open command reads it. Errors:
// what makes the open command refuse the file, and a model blob that cannot be read as
// one (what export refuses). Warnings: what the file holds but the program would not
// have saved, such as an image larger than 256 x 256, a text without its terminator, a
// type that the parameter dialog does not offer, a length outside 0 to 50000, or a model
// whose length, in millimetres at unit, differs from the part's length by more than
// kLengthTolerance.
std::vector<Diagnostic> checkContainerFile(std::u16string_view path,
                                           ModelUnit unit = ModelUnit::Millimetre);

}  // namespace qel
