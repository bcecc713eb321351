// Converts arbitrary model files. The input holds an OBJ file, its material file and one
// texture, separated by the byte 0xFF 0x00; they are written to a folder of their own
// under the names the OBJ and material files are likely to use. What converts is drawn as
// the preview draws it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "base/utf.h"
#include "model/info_message_sink.h"
#include "model/model_conversion.h"
#include "preview/png_codec.h"
#include "preview/render_preview.h"

namespace {

class CountingSink final : public qel::InfoMessageSink {
 public:
  void showInfoMessage(std::u16string_view text) override {
    if (text.size() > 1023) std::abort();
  }
};

const std::filesystem::path& folder() {
  static const std::filesystem::path path = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "qel-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    return std::filesystem::path(pattern);
  }();
  return path;
}

void writeFile(const char* name, std::string_view bytes) {
  std::ofstream(folder() / name, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string_view nextPart(std::string_view& rest) {
  const std::size_t mark = rest.find(std::string_view("\xFF\x00", 2));
  const std::string_view part = rest.substr(0, mark);
  rest = mark == std::string_view::npos ? std::string_view() : rest.substr(mark + 2);
  return part;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  const std::string_view obj = nextPart(rest);
  const std::string_view mtl = nextPart(rest);
  const std::string_view texture = nextPart(rest);
  writeFile("m.obj", obj);
  writeFile("m.mtl", mtl);
  for (const char* name : {"t.png", "t.bmp", "t.tim"}) writeFile(name, texture);

  CountingSink sink;
  const auto path = qel::fromUtf8((folder() / "m.obj").string());
  const qel::ModelConversion conversion = qel::convertObjModel(path, sink);
  if (conversion.result == qel::kSuccess) {
    const std::size_t expected =
        16 + 32 * std::size_t(conversion.vertexCount) + 2 * std::size_t(conversion.indexCount);
    if (conversion.blob.size() != expected || conversion.texture.empty()) std::abort();
    // Whatever converts, the preview draws.
    const qel::PreviewMeshReading mesh = qel::readPreviewMesh(conversion.blob);
    if (!mesh.mesh) std::abort();
    const auto texture = qel::decodePng(conversion.texture);
    qel::renderPreview(*mesh.mesh, texture ? &*texture : nullptr, {}, 64, 48, {});
  } else if (conversion.reason.empty() || conversion.reason.find('\n') != std::string::npos) {
    std::abort();
  }
  return 0;
}
