#include "model/first_texture.h"

#include "base/path_parts.h"
#include "container/container_format.h"
#include "image/png_check.h"
#include "model/model_file_lookup.h"
#include "model/refusal_text.h"

namespace qel {
namespace {

// What an image that is no PNG is, from its first bytes, else from its extension.
std::string imageFormatOf(std::u16string_view path, std::span<const std::uint8_t> head) {
  const auto startsWith = [head](std::initializer_list<std::uint8_t> bytes) {
    return head.size() >= bytes.size() && std::equal(bytes.begin(), bytes.end(), head.begin());
  };
  if (startsWith({0xFF, 0xD8, 0xFF})) return "JPEG";
  if (startsWith({'G', 'I', 'F', '8'})) return "GIF";
  if (startsWith({'B', 'M'})) return "BMP";
  const std::u16string_view extension = splitPath(path).extension;
  if (equalIgnoringCase(extension, u".jpg") || equalIgnoringCase(extension, u".jpeg")) {
    return "JPEG";
  }
  std::string named;
  for (const char16_t c : extension.substr(extension.empty() ? 0 : 1)) {
    if (c >= u'a' && c <= u'z')
      named += static_cast<char>(c - u'a' + 'A');
    else if (c < 0x80)
      named += static_cast<char>(c);
  }
  return named;
}

}  // namespace

std::optional<Bytes> takeFirstTexture(const ObjModel& model, std::u16string_view objPath,
                                      ModelDiagnostics& diagnostics) {
  const auto refuse = [&](const char* code, std::string what, RefusalFacts facts = {}) {
    diagnostics.error(objPath, 0, code, std::move(what), std::move(facts));
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
  RefusalFacts facts;
  facts.subject = texturePath;
  if (!equalIgnoringCase(splitPath(texturePath).extension, u".png")) {
    facts.format = imageFormatOf(texturePath, {});
    return refuse("model.texture-not-png",
                  "the first material's texture is not a PNG file: " + textureName, facts);
  }
  const auto unreadable = [&] {
    return refuse("model.texture-unreadable", "the PNG texture cannot be read: " + textureName,
                  facts);
  };
  // The header first: the whole file is read only once it is known to be taken.
  const auto head = readModelFileHead(texturePath, kPngHeaderSize);
  if (!head) return unreadable();
  facts.image = checkContainerImage(*head);
  if (facts.image.problem == ImageProblem::NotPng) {
    facts.format = imageFormatOf(texturePath, *head);
    return refuse("model.texture-not-png", "the texture is not a PNG file: " + textureName, facts);
  }
  if (facts.image.problem == ImageProblem::TooLarge) {
    return refuse("model.texture-too-large",
                  "the PNG texture is " + englishText(facts.image) + ": " + textureName, facts);
  }
  auto texture = readModelFile(texturePath, kContainerFileLimit);
  if (!texture) return unreadable();
  return texture;
}

}  // namespace qel
