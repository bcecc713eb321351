// Converting a full-capacity model (10,000 textured triangles with normals and one PNG
// material) against tinyobjloader parsing the same files.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/utf.h"
#include "model/info_message_sink.h"
#include "model/model_conversion.h"

#ifdef QEL_HAVE_TINYOBJLOADER
#include <tiny_obj_loader.h>
#endif

namespace {

constexpr int kTriangles = 10000;

class SilentSink final : public qel::InfoMessageSink {
 public:
  void showInfoMessage(std::u16string_view) override {}
};

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string pngHeader() {
  std::string png = "\x89PNG\r\n\x1A\n";
  png += std::string("\0\0\0\x0DIHDR\0\0\x01\0\0\0\x01\0\x08\x06\0\0\0", 21);
  png += std::string(4, '\0');  // chunk check (not read)
  png += std::string("\0\0\0\0IEND\xAE\x42\x60\x82", 12);
  return png;
}

// The model files, written once into a folder of their own for the whole run.
class ModelFiles {
 public:
  ModelFiles() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qel-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    folder_ = pattern;
    std::string obj = "mtllib model.mtl\n";
    char line[96];
    for (int i = 0; i < 3 * kTriangles; ++i) {
      const double a = i * 0.001;
      std::snprintf(line, sizeof line, "v %.6f %.6f %.6f\n", a, a * 0.5 + 1.0, -a * 0.25);
      obj += line;
    }
    for (int i = 0; i < 3 * kTriangles; ++i) {
      std::snprintf(line, sizeof line, "vt %.6f %.6f\n", (i % 101) / 100.0, (i % 37) / 36.0);
      obj += line;
    }
    for (int i = 0; i < 3 * kTriangles; ++i) {
      std::snprintf(line, sizeof line, "vn %.6f %.6f %.6f\n", 0.6, 0.0, 0.8);
      obj += line;
    }
    obj += "usemtl body\ns 1\n";
    for (int i = 1; i <= 3 * kTriangles; i += 3) {
      std::snprintf(line, sizeof line, "f %d/%d/%d %d/%d/%d %d/%d/%d\n", i, i, i, i + 1, i + 1,
                    i + 1, i + 2, i + 2, i + 2);
      obj += line;
    }
    writeFile(folder_ / "model.obj", obj);
    writeFile(folder_ / "model.mtl", "newmtl body\nKd 1 1 1\nmap_Kd body.png\n");
    writeFile(folder_ / "body.png", pngHeader());
  }
  ~ModelFiles() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  std::filesystem::path obj() const { return folder_ / "model.obj"; }
  std::filesystem::path folder() const { return folder_; }

 private:
  std::filesystem::path folder_;
};

const ModelFiles& modelFiles() {
  static const ModelFiles files;
  return files;
}

void BM_ConvertObj(benchmark::State& state) {
  const std::u16string path = qel::fromUtf8(modelFiles().obj().string());
  SilentSink sink;
  for (auto _ : state) {
    const qel::ModelConversion conversion = qel::convertObjModel(path, sink);
    if (conversion.result != qel::kSuccess || conversion.vertexCount != 3 * kTriangles) {
      state.SkipWithError(conversion.refusal.english.c_str());
      break;
    }
    benchmark::DoNotOptimize(conversion.blob.data());
  }
}
BENCHMARK(BM_ConvertObj)->Unit(benchmark::kMillisecond);

#ifdef QEL_HAVE_TINYOBJLOADER
void BM_TinyObjLoader(benchmark::State& state) {
  const std::string path = modelFiles().obj().string();
  tinyobj::ObjReaderConfig config;
  config.mtl_search_path = modelFiles().folder().string();
  config.triangulate = false;
  for (auto _ : state) {
    tinyobj::ObjReader reader;
    if (!reader.ParseFromFile(path, config) ||
        reader.GetAttrib().vertices.size() != 9u * kTriangles) {
      state.SkipWithError("tinyobjloader could not parse the model");
      break;
    }
    benchmark::DoNotOptimize(reader.GetShapes().data());
  }
}
BENCHMARK(BM_TinyObjLoader)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
