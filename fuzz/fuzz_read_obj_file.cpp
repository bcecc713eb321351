// Converts arbitrary model files, as they are and with the repair. The input holds an OBJ
// file, its material file and one texture, separated by the bytes 0xFF 0x00; they lie in
// memory under the names the OBJ and material files are likely to use, the texture under
// every kind's name. What converts is drawn as the preview draws it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz/input_parts.h"
#include "model/info_message_sink.h"
#include "model/model_conversion.h"
#include "preview/png_codec.h"
#include "preview/render_preview.h"
#include "repair/model_repair.h"
#include "tests/support/memory_file_system.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

class CheckedSink final : public qel::InfoMessageSink {
 public:
  void showInfoMessage(std::u16string_view text) override { check(text.size() <= 1023); }
};

// A conversion gives a whole blob that the preview draws, or a refusal of one line.
const qel::PreviewMeshReading* checkConversion(const qel::ModelConversion& conversion,
                                               qel::PreviewMeshReading& mesh) {
  if (conversion.result != qel::kSuccess) {
    check(!conversion.refusal.english.empty() &&
          conversion.refusal.english.find('\n') == std::string::npos);
    return nullptr;
  }
  const std::size_t expected =
      16 + 32 * std::size_t(conversion.vertexCount) + 2 * std::size_t(conversion.indexCount);
  check(conversion.blob.size() == expected && !conversion.texture.empty());
  mesh = qel::readPreviewMesh(conversion.blob);
  check(mesh.mesh.has_value());
  const auto texture = qel::decodePng(conversion.texture);
  qel::renderPreview(*mesh.mesh, texture ? &*texture : nullptr, {}, 64, 48, {});
  return &mesh;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qel::fuzz::InputParts parts(data, size);
  qel::test::MemoryFileSystem files;
  files.addText(u"/f/m/m.obj", parts.next());
  files.addText(u"/f/m/m.mtl", parts.next());
  const std::string_view texture = parts.next();
  for (const char16_t* name : {u"/f/m/t.png", u"/f/m/t.bmp", u"/f/m/t.tim", u"/f/TIM/u.tim",
                               u"/f/m/t.jpg", u"/f/m/t.tga", u"/f/m/t.gif", u"/f/m/t x.png"}) {
    files.addText(name, texture);
  }

  // Megabytes: made once; each run clears what the run before it wrote.
  static const auto model = qel::createObjModel();
  qel::resetObjModel(*model);
  CheckedSink sink;
  qel::PreviewMeshReading mesh;
  const qel::ModelConversion exact = qel::convertObjModel(u"/f/m/m.obj", *model, sink);
  checkConversion(exact, mesh);

  // Where the repair mends, its part has a texture of its own, a PNG of at most 256 x 256
  // that the preview decodes and that every texture coordinate lies in.
  const qel::ModelConversion repaired = qel::convertObjModelWithRepair(u"/f/m/m.obj", sink);
  if (checkConversion(repaired, mesh) && repaired.blob != exact.blob) {
    const auto atlas = qel::decodePng(repaired.texture);
    check(atlas && atlas->width <= 256 && atlas->height <= 256);
    for (const qel::ModelVertex& vertex : mesh.mesh->vertices) {
      check(vertex.u >= 0.0f && vertex.u <= 1.0f && vertex.v >= 0.0f && vertex.v <= 1.0f);
    }
  }
  return 0;
}
