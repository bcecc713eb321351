// Converts arbitrary model files. The input holds an OBJ file, its material file and one
// texture, separated by the bytes 0xFF 0x00; they lie in memory under the names the OBJ
// and material files are likely to use. What converts is drawn as the preview draws it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz/input_parts.h"
#include "model/info_message_sink.h"
#include "model/model_conversion.h"
#include "preview/png_codec.h"
#include "preview/render_preview.h"
#include "tests/support/memory_file_system.h"

namespace {

class CheckedSink final : public qel::InfoMessageSink {
 public:
  void showInfoMessage(std::u16string_view text) override {
    if (text.size() > 1023) std::abort();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qel::fuzz::InputParts parts(data, size);
  qel::test::MemoryFileSystem files;
  files.addText(u"/f/m/m.obj", parts.next());
  files.addText(u"/f/m/m.mtl", parts.next());
  const std::string_view texture = parts.next();
  for (const char16_t* name : {u"/f/m/t.png", u"/f/m/t.bmp", u"/f/m/t.tim", u"/f/TIM/u.tim"}) {
    files.addText(name, texture);
  }

  // Megabytes: made once; each run clears what the run before it wrote.
  static const auto model = qel::createObjModel();
  qel::resetObjModel(*model);
  CheckedSink sink;
  const qel::ModelConversion conversion = qel::convertObjModel(u"/f/m/m.obj", *model, sink);
  if (conversion.result == qel::kSuccess) {
    const std::size_t expected =
        16 + 32 * std::size_t(conversion.vertexCount) + 2 * std::size_t(conversion.indexCount);
    if (conversion.blob.size() != expected || conversion.texture.empty()) std::abort();
    // Whatever converts, the preview draws.
    const qel::PreviewMeshReading mesh = qel::readPreviewMesh(conversion.blob);
    if (!mesh.mesh) std::abort();
    const auto texture = qel::decodePng(conversion.texture);
    qel::renderPreview(*mesh.mesh, texture ? &*texture : nullptr, {}, 64, 48, {});
  } else if (conversion.refusal.english.empty() ||
             conversion.refusal.english.find('\n') != std::string::npos) {
    std::abort();
  }
  return 0;
}
