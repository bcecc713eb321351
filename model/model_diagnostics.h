#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "base/diagnostic.h"

namespace qel {

// Where the readers of model files report problems. A conversion stops at the first error
// and needs nothing else; a check keeps every error and warning, and the readers go on
// past an error where they can (leaving out the statement that has it).
class ModelDiagnostics {
 public:
  enum class Mode { FirstError, Everything };

  explicit ModelDiagnostics(Mode mode) : mode_(mode) {}

  // Whether warnings are wanted, and the readers should go on past errors.
  bool checking() const { return mode_ == Mode::Everything; }
  // Whether reading must stop: an error was reported while converting.
  bool stopped() const { return stopped_; }
  bool hasError() const { return errors_ > 0; }

  void error(std::u16string_view file, std::uint32_t line, std::string_view code,
             std::string message);
  // Kept only while checking.
  void warning(std::u16string_view file, std::uint32_t line, std::string_view code,
               std::string message);

  const std::vector<Diagnostic>& found() const { return found_; }

  // The first error in one line, as a conversion refuses: "line N: what" for a line of
  // the OBJ file at objPath, "PATH line N: what" for one of another file, else "what".
  std::string refusalText(std::u16string_view objPath) const;

  // Material names whose newmtl statement got no texture statement (kept while checking):
  // a usemtl of one of them is told apart from a name that no material file holds.
  void noteMaterialWithoutTexture(std::string_view name);
  bool isMaterialWithoutTexture(std::string_view name) const;

  // Where the texture statement of each material stands, in the order of the materials
  // (kept while checking).
  struct Place {
    std::u16string file;
    std::uint32_t line;
  };
  void noteTextureStatement(std::u16string_view file, std::uint32_t line);
  const std::vector<Place>& textureStatements() const { return textureStatements_; }

 private:
  Mode mode_;
  bool stopped_ = false;
  std::size_t errors_ = 0;
  std::vector<Diagnostic> found_;
  std::unordered_set<std::string> materialsWithoutTexture_;
  std::vector<Place> textureStatements_;
};

}  // namespace qel
