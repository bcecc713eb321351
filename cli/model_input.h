#pragma once

#include <CLI/CLI.hpp>

#include <optional>
#include <ostream>
#include <string>

#include "model/model_conversion.h"

namespace qel::cli {

// How an OBJ model is taken: as it is or with the repair that the author asks for, and at
// the size the author asks for.
struct ModelInputOptions {
  bool repair = false;
  double scale = 0.0;        // positions times this; 0 for as written
  double fitLengthMm = 0.0;  // scaled so that the model is this long; 0 for as written
};

// Adds --scale and --fit-length, which exclude each other.
void addScaleOptions(CLI::App& command, ModelInputOptions& options);

// Converts the OBJ file at path (UTF-8) as the set-model command does, printing the TIM
// messages on err as they come. A repair that simplified the model says so on err. Nothing
// after a refusal on err, which names subject.
std::optional<ModelConversion> convertModelInput(const std::string& path,
                                                 const std::string& subject, std::ostream& err,
                                                 const ModelInputOptions& options = {});

}  // namespace qel::cli
