#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "base/diagnostic.h"
#include "model/model_refusal.h"

namespace qel {

// Where the readers of model files report problems. A conversion stops at the first error
// and needs nothing else; a check hands every error and warning to its sink as it comes,
// and the readers go on past an error where they can (leaving out the statement that has
// it).
class ModelDiagnostics {
 public:
  enum class Mode { FirstError, Everything };

  explicit ModelDiagnostics(Mode mode, DiagnosticSink sink = {})
      : mode_(mode), sink_(std::move(sink)) {}

  // Whether warnings are wanted, and the readers should go on past errors.
  bool checking() const { return mode_ == Mode::Everything; }
  // Whether reading must stop: an error was reported while converting.
  bool stopped() const { return stopped_; }
  bool hasError() const { return errors_ > 0; }
  // Whether an error concerned a whole file (one that could not be read) rather than a line.
  bool hasFileError() const { return fileErrors_ > 0; }

  void error(std::u16string_view file, std::uint32_t line, std::string_view code,
             std::string message, RefusalFacts facts = {});
  // Told only while checking.
  void warning(std::u16string_view file, std::uint32_t line, std::string_view code,
               std::string message);

  // The first error, as a conversion refuses; its English line says "line N: what" for a
  // line of the OBJ file at objPath, "PATH line N: what" for one of another file, else
  // "what".
  ModelRefusal refusal(std::u16string_view objPath) const;

  // A material library that could not be read (the last one), kept in either mode.
  void noteUnreadableLibrary(std::u16string_view path, LibraryFault fault) {
    unreadableLibrary_ = path;
    libraryFault_ = fault;
  }
  const std::u16string& unreadableLibrary() const { return unreadableLibrary_; }
  LibraryFault libraryFault() const { return libraryFault_; }

  // The material libraries read, in their order (kept in either mode): with the textures,
  // what a model was made of.
  void noteLibrary(std::u16string_view path) { libraries_.emplace_back(path); }
  const std::vector<std::u16string>& libraries() const { return libraries_; }

  // A face of more than four corners that kept its first four (counted in either mode).
  void noteCutFace() { ++cutFaces_; }
  std::uint32_t cutFaces() const { return cutFaces_; }

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
  DiagnosticSink sink_;
  std::size_t errors_ = 0;
  std::size_t fileErrors_ = 0;
  std::optional<ModelRefusal> firstRefusal_;
  std::u16string unreadableLibrary_;
  LibraryFault libraryFault_ = LibraryFault::NotRead;
  std::vector<std::u16string> libraries_;
  std::uint32_t cutFaces_ = 0;
  std::unordered_set<std::string> materialsWithoutTexture_;
  std::vector<Place> textureStatements_;
};

}  // namespace qel
