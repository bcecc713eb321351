// Simplifying a model of 124,000 triangles to fit a part, through the repair, against
// tinyobjloader parsing the same file: a torus of 310 by 200 quads with texture coordinates
// that meet at a seam and smooth normals, one material of a plain colour.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>

#include "base/utf.h"
#include "model/info_message_sink.h"
#include "repair/model_repair.h"

#ifdef QEL_HAVE_TINYOBJLOADER
#include <tiny_obj_loader.h>
#endif

namespace {

constexpr int kAround = 310;  // quads around the ring
constexpr int kAcross = 200;  // quads around the tube
constexpr int kTriangles = 2 * kAround * kAcross;

class SilentSink final : public qel::InfoMessageSink {
 public:
  void showInfoMessage(std::u16string_view) override {}
};

// The torus's files, written once into a folder of their own for the whole run.
class TorusFiles {
 public:
  TorusFiles() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "qel-simplify-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    folder_ = pattern;
    std::ofstream(folder_ / "torus.mtl") << "newmtl paint\nKd 0.8 0.2 0.2\n";
    std::ofstream(folder_ / "torus.obj", std::ios::binary) << torus();
  }
  ~TorusFiles() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  std::filesystem::path obj() const { return folder_ / "torus.obj"; }
  std::filesystem::path folder() const { return folder_; }

 private:
  // Positions and normals wrap around; texture coordinates have a row and a column more,
  // so that the seam is one.
  static std::string torus() {
    std::string obj = "mtllib torus.mtl\nusemtl paint\ns 1\n";
    char line[96];
    const auto angle = [](int step, int steps) { return 2 * std::numbers::pi * step / steps; };
    for (int i = 0; i < kAround; ++i) {
      for (int j = 0; j < kAcross; ++j) {
        const double a = angle(i, kAround), b = angle(j, kAcross);
        const double r = 3000.0 + 800.0 * std::cos(b);
        std::snprintf(line, sizeof line, "v %.4f %.4f %.4f\nvn %.5f %.5f %.5f\n", r * std::cos(a),
                      800.0 * std::sin(b), r * std::sin(a), std::cos(b) * std::cos(a), std::sin(b),
                      std::cos(b) * std::sin(a));
        obj += line;
      }
    }
    for (int i = 0; i <= kAround; ++i) {
      for (int j = 0; j <= kAcross; ++j) {
        std::snprintf(line, sizeof line, "vt %.5f %.5f\n", double(i) / kAround,
                      double(j) / kAcross);
        obj += line;
      }
    }
    const auto corner = [](int i, int j) {
      const int v = (i % kAround) * kAcross + (j % kAcross) + 1;
      const int t = i * (kAcross + 1) + j + 1;
      return std::to_string(v) + "/" + std::to_string(t) + "/" + std::to_string(v);
    };
    for (int i = 0; i < kAround; ++i) {
      for (int j = 0; j < kAcross; ++j) {
        obj += "f " + corner(i, j) + " " + corner(i + 1, j) + " " + corner(i + 1, j + 1) + " " +
               corner(i, j + 1) + "\n";
      }
    }
    return obj;
  }

  std::filesystem::path folder_;
};

const TorusFiles& torusFiles() {
  static const TorusFiles files;
  return files;
}

void BM_RepairSimplify(benchmark::State& state) {
  const std::u16string path = qel::fromUtf8(torusFiles().obj().string());
  SilentSink sink;
  for (auto _ : state) {
    const qel::ModelConversion conversion = qel::convertObjModelWithRepair(path, sink);
    if (!conversion.repairNotes.simplification ||
        conversion.repairNotes.simplification->trianglesBefore != kTriangles) {
      state.SkipWithError(conversion.refusal.english.c_str());
      break;
    }
    benchmark::DoNotOptimize(conversion.blob.data());
  }
}
BENCHMARK(BM_RepairSimplify)->Unit(benchmark::kMillisecond);

#ifdef QEL_HAVE_TINYOBJLOADER
void BM_TinyObjLoaderSimplifyModel(benchmark::State& state) {
  const std::string path = torusFiles().obj().string();
  tinyobj::ObjReaderConfig config;
  config.mtl_search_path = torusFiles().folder().string();
  config.triangulate = false;
  for (auto _ : state) {
    tinyobj::ObjReader reader;
    if (!reader.ParseFromFile(path, config)) {
      state.SkipWithError("tinyobjloader could not parse the model");
      break;
    }
    benchmark::DoNotOptimize(reader.GetShapes().data());
  }
}
BENCHMARK(BM_TinyObjLoaderSimplifyModel)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
