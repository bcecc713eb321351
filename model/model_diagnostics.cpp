#include "model/model_diagnostics.h"

#include <algorithm>

#include "model/refusal_text.h"

namespace qel {

void ModelDiagnostics::error(std::u16string_view file, std::uint32_t line, std::string_view code,
                             std::string message) {
  if (stopped_) return;
  ++errors_;
  found_.push_back(
      {std::u16string(file), line, Severity::Error, std::string(code), std::move(message)});
  if (!checking()) stopped_ = true;
}

void ModelDiagnostics::warning(std::u16string_view file, std::uint32_t line, std::string_view code,
                               std::string message) {
  if (!checking()) return;
  found_.push_back(
      {std::u16string(file), line, Severity::Warning, std::string(code), std::move(message)});
}

std::string ModelDiagnostics::refusalText(std::u16string_view objPath) const {
  const auto first = std::find_if(found_.begin(), found_.end(), [](const Diagnostic& d) {
    return d.severity == Severity::Error;
  });
  if (first == found_.end()) return {};
  if (first->line == 0) return first->message;
  if (first->file == objPath) return "line " + std::to_string(first->line) + ": " + first->message;
  return refusalAt(first->file, first->line, first->message);
}

void ModelDiagnostics::noteMaterialWithoutTexture(std::string_view name) {
  if (checking()) materialsWithoutTexture_.emplace(name);
}

bool ModelDiagnostics::isMaterialWithoutTexture(std::string_view name) const {
  return materialsWithoutTexture_.contains(std::string(name));
}

void ModelDiagnostics::noteTextureStatement(std::u16string_view file, std::uint32_t line) {
  if (checking()) textureStatements_.push_back({std::u16string(file), line});
}

}  // namespace qel
