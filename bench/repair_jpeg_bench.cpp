// Repairing a model whose texture is a 4096 x 4096 JPEG, against stb_image decoding that
// JPEG alone: the repair decodes it, scales it into the atlas and writes the atlas's PNG,
// so the decoding is the floor it stands on.
#include <benchmark/benchmark.h>

#define STBI_ONLY_JPEG
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "base/utf.h"
#include "model/info_message_sink.h"
#include "repair/model_repair.h"

namespace {

constexpr int kSide = 4096;

class SilentSink final : public qel::InfoMessageSink {
 public:
  void showInfoMessage(std::u16string_view) override {}
};

void appendTo(void* context, void* data, int size) {
  auto& out = *static_cast<std::vector<unsigned char>*>(context);
  const auto* bytes = static_cast<const unsigned char*>(data);
  out.insert(out.end(), bytes, bytes + size);
}

// A box whose material names a photograph-like JPEG, written once for the whole run.
class JpegBoxFiles {
 public:
  JpegBoxFiles() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "qel-jpeg-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    folder_ = pattern;
    std::vector<unsigned char> pixels(static_cast<std::size_t>(kSide) * kSide * 3);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
      pixels[i] = static_cast<unsigned char>((i * 7 + i / (3 * kSide) * 13) % 251);
    }
    stbi_write_jpg_to_func(appendTo, &jpeg_, kSide, kSide, 3, pixels.data(), 90);
    std::ofstream(folder_ / "box.jpg", std::ios::binary)
        .write(reinterpret_cast<const char*>(jpeg_.data()),
               static_cast<std::streamsize>(jpeg_.size()));
    std::ofstream(folder_ / "box.mtl") << "newmtl skin\nmap_Kd box.jpg\n";
    std::ofstream(folder_ / "box.obj")
        << "mtllib box.mtl\nusemtl skin\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\n"
           "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nf 1/1 2/2 3/3 4/4\n";
  }
  ~JpegBoxFiles() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  std::filesystem::path obj() const { return folder_ / "box.obj"; }
  const std::vector<unsigned char>& jpeg() const { return jpeg_; }

 private:
  std::filesystem::path folder_;
  std::vector<unsigned char> jpeg_;
};

const JpegBoxFiles& files() {
  static const JpegBoxFiles instance;
  return instance;
}

void BM_RepairJpegTexture(benchmark::State& state) {
  const std::u16string path = qel::fromUtf8(files().obj().string());
  SilentSink sink;
  for (auto _ : state) {
    const qel::ModelConversion conversion = qel::convertObjModelWithRepair(path, sink);
    if (qel::failed(conversion.result)) state.SkipWithError("the repair refused the model");
    benchmark::DoNotOptimize(conversion.texture.data());
  }
}
BENCHMARK(BM_RepairJpegTexture)->Unit(benchmark::kMillisecond);

void BM_StbDecodeJpegTexture(benchmark::State& state) {
  const std::vector<unsigned char>& jpeg = files().jpeg();
  for (auto _ : state) {
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels = stbi_load_from_memory(jpeg.data(), static_cast<int>(jpeg.size()),
                                                  &width, &height, &channels, 4);
    benchmark::DoNotOptimize(pixels);
    stbi_image_free(pixels);
  }
}
BENCHMARK(BM_StbDecodeJpegTexture)->Unit(benchmark::kMillisecond);

}  // namespace
