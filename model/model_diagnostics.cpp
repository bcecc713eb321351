#include "model/model_diagnostics.h"

#include <algorithm>

#include "model/obj_model.h"
#include "model/refusal_text.h"

namespace qel {

void ModelDiagnostics::error(std::u16string_view file, std::uint32_t line, std::string_view code,
                             std::string message, RefusalFacts facts) {
  if (stopped_) return;
  ++errors_;
  if (line == 0) ++fileErrors_;
  if (checking()) {
    if (sink_) sink_({std::u16string(file), line, Severity::Error, std::string(code), message});
  } else {
    stopped_ = true;
  }
  if (!firstRefusal_) {
    firstRefusal_ = ModelRefusal{std::string(code),  std::u16string(file), line,
                                 std::move(message), std::move(facts),     {}};
  }
}

void ModelDiagnostics::listFull(std::u16string_view file, std::uint32_t line, std::string_view code,
                                ModelList list, std::string_view name, std::uint64_t held,
                                std::uint64_t beyond) {
  const std::uint64_t capacity =
      list == ModelList::Materials ? kMaterialCapacity : kObjListCapacity;
  RefusalFacts facts;
  facts.list = list;
  facts.count = held + beyond;
  facts.limit = list == ModelList::Triangles ? capacity / 3 : capacity;
  error(file, line, code, "more than " + std::to_string(capacity) + " " + std::string(name),
        std::move(facts));
}

void ModelDiagnostics::warning(std::u16string_view file, std::uint32_t line, std::string_view code,
                               std::string message) {
  if (!checking() || !sink_) return;
  sink_({std::u16string(file), line, Severity::Warning, std::string(code), std::move(message)});
}

ModelRefusal ModelDiagnostics::refusal(std::u16string_view objPath) const {
  ModelRefusal refusal = firstRefusal_.value_or(ModelRefusal{});
  if (refusal.line > 0) {
    refusal.english = refusal.file == objPath
                          ? "line " + std::to_string(refusal.line) + ": " + refusal.english
                          : refusalAt(refusal.file, refusal.line, refusal.english);
  }
  refusal.unreadableLibrary = unreadableLibrary_;
  refusal.libraryFault = libraryFault_;
  // The library explains the missing material to the reader of the English line too.
  if (refusal.code == "model.no-texture-material" && !unreadableLibrary_.empty()) {
    refusal.english += ": " + libraryFaultText(libraryFault_, displayPath(unreadableLibrary_));
  }
  return refusal;
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
