#include "model/first_texture.h"

#include "base/path_parts.h"
#include "container/container_format.h"
#include "image/png_check.h"
#include "model/model_file_lookup.h"
#include "model/refusal_text.h"

namespace qel {

std::optional<Bytes> takeFirstTexture(const ObjModel& model, std::u16string_view objPath,
                                      ModelDiagnostics& diagnostics) {
  const auto refuse = [&](const char* code, std::string what) {
    diagnostics.error(objPath, 0, code, std::move(what));
    return std::nullopt;
  };
  if (model.materials.empty()) {
    return refuse("model.no-texture-material", "no material with a texture statement");
  }
  const std::u16string texturePath = model.materials[0].texturePath.str();
  const std::string textureName = displayPath(texturePath);
  if (model.materials[0].textureUnnamed) {
    return refuse("model.texture-not-png",
                  "the texture statement of the first material names no file");
  }
  if (texturePath.empty()) {
    return refuse("model.texture-path-too-long",
                  "the texture path of the first material is longer than " +
                      std::to_string(kLongestPath) + " units");
  }
  if (!equalIgnoringCase(splitPath(texturePath).extension, u".png")) {
    return refuse("model.texture-not-png",
                  "the first material's texture is not a PNG file: " + textureName);
  }
  const auto unreadable = [&] {
    return refuse("model.texture-unreadable", "the PNG texture cannot be read: " + textureName);
  };
  // The header first: the whole file is read only once it is known to be taken.
  const auto head = readModelFileHead(texturePath, kPngHeaderSize);
  if (!head) return unreadable();
  PngSize size;
  if (failed(readPngSize(*head, size))) {
    return refuse("model.texture-not-png", "the texture is not a PNG file: " + textureName);
  }
  if (size.width > kMaxImageSide || size.height > kMaxImageSide) {
    return refuse("model.texture-too-large", "the PNG texture is " + std::to_string(size.width) +
                                                 " x " + std::to_string(size.height) +
                                                 " pixels, larger than 256 x 256: " + textureName);
  }
  auto texture = readModelFile(texturePath, kContainerFileLimit);
  if (!texture) return unreadable();
  return texture;
}

}  // namespace qel
