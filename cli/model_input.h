#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "model/model_conversion.h"

namespace qel::cli {

// Converts the OBJ file at path (UTF-8) as the set-model command does, printing the TIM
// messages on err as they come; with repair, with the repair that the author asks for.
// Nothing after a refusal on err, which names subject.
std::optional<ModelConversion> convertModelInput(const std::string& path,
                                                 const std::string& subject, std::ostream& err,
                                                 bool repair = false);

}  // namespace qel::cli
