// Converting full-capacity models against tinyobjloader parsing the same files: 10,000
// textured triangles with normals and one PNG material, and 10,000 triangles as 5,000
// quads in the shape modellers write them (f v/vt/vn, usemtl switches between a few
// materials, comments, CRLF line ends).
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
constexpr int kQuads = kTriangles / 2;  // as many triangles, the most indices a model takes

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

// The lists of a model of count corners in modeller's form: numbers as "%.6f" writes
// them, a comment before each list, CRLF line ends.
std::string modellerLists(int count) {
  std::string obj = "# Exported model\r\nmtllib quads.mtl\r\no Body\r\n";
  char line[96];
  obj += "# positions\r\n";
  for (int i = 0; i < count; ++i) {
    const double a = i * 0.0137;
    std::snprintf(line, sizeof line, "v %.6f %.6f %.6f\r\n", a - 12.5, (i % 53) * 0.31 - 4.0,
                  -a * 0.75 + 3.25);
    obj += line;
  }
  obj += "# texture coordinates\r\n";
  for (int i = 0; i < count; ++i) {
    std::snprintf(line, sizeof line, "vt %.6f %.6f\r\n", (i % 101) / 100.0, (i % 37) / 36.0);
    obj += line;
  }
  obj += "# normals\r\n";
  for (int i = 0; i < count; ++i) {
    std::snprintf(line, sizeof line, "vn %.4f %.4f %.4f\r\n", -0.5774, 0.5774,
                  (i % 2) ? 0.5774 : -0.5774);
    obj += line;
  }
  return obj;
}

// The model files, written once into a folder of their own for the whole run.
class ModelFiles {
 public:
  ModelFiles() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qel-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    folder_ = pattern;
    writeTriangles();
    writeQuads();
    writeFile(folder_ / "body.png", pngHeader());
  }
  ~ModelFiles() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  std::filesystem::path obj() const { return folder_ / "model.obj"; }
  std::filesystem::path quads() const { return folder_ / "quads.obj"; }
  std::filesystem::path folder() const { return folder_; }

 private:
  void writeQuads() {
    std::string obj = modellerLists(4 * kQuads);
    obj += "s 1\r\n";
    char line[128];
    for (int q = 0; q < kQuads; ++q) {
      if (q % 250 == 0) {
        std::snprintf(line, sizeof line, "# part %d\r\nusemtl %s\r\n", q / 250,
                      kQuadMaterials[(q / 250) % 3]);
        obj += line;
      }
      const int i = 4 * q + 1;
      std::snprintf(line, sizeof line, "f %d/%d/%d %d/%d/%d %d/%d/%d %d/%d/%d\r\n", i, i, i, i + 1,
                    i + 1, i + 1, i + 2, i + 2, i + 2, i + 3, i + 3, i + 3);
      obj += line;
    }
    writeFile(folder_ / "quads.obj", obj);
    std::string mtl;
    for (const char* name : kQuadMaterials) {
      mtl += std::string("newmtl ") + name + "\r\nKd 0.8 0.8 0.8\r\nmap_Kd body.png\r\n";
    }
    writeFile(folder_ / "quads.mtl", mtl);
  }

  static constexpr const char* kQuadMaterials[] = {"paint", "glass", "rubber"};

  void writeTriangles() {
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
  }

  std::filesystem::path folder_;
};

const ModelFiles& modelFiles() {
  static const ModelFiles files;
  return files;
}

void convert(benchmark::State& state, const std::filesystem::path& obj, std::int32_t vertices) {
  const std::u16string path = qel::fromUtf8(obj.string());
  SilentSink sink;
  for (auto _ : state) {
    const qel::ModelConversion conversion = qel::convertObjModel(path, sink);
    if (conversion.result != qel::kSuccess || conversion.vertexCount != vertices) {
      state.SkipWithError(conversion.refusal.english.c_str());
      break;
    }
    benchmark::DoNotOptimize(conversion.blob.data());
  }
}

void BM_ConvertObj(benchmark::State& state) {
  convert(state, modelFiles().obj(), 3 * kTriangles);
}
BENCHMARK(BM_ConvertObj)->Unit(benchmark::kMillisecond);

void BM_ConvertObjQuads(benchmark::State& state) {
  convert(state, modelFiles().quads(), 4 * kQuads);
}
BENCHMARK(BM_ConvertObjQuads)->Unit(benchmark::kMillisecond);

#ifdef QEL_HAVE_TINYOBJLOADER
void parse(benchmark::State& state, const std::filesystem::path& obj, std::size_t coordinates) {
  const std::string path = obj.string();
  tinyobj::ObjReaderConfig config;
  config.mtl_search_path = modelFiles().folder().string();
  config.triangulate = false;
  for (auto _ : state) {
    tinyobj::ObjReader reader;
    if (!reader.ParseFromFile(path, config) || reader.GetAttrib().vertices.size() != coordinates) {
      state.SkipWithError("tinyobjloader could not parse the model");
      break;
    }
    benchmark::DoNotOptimize(reader.GetShapes().data());
  }
}

void BM_TinyObjLoader(benchmark::State& state) {
  parse(state, modelFiles().obj(), 9u * kTriangles);
}
BENCHMARK(BM_TinyObjLoader)->Unit(benchmark::kMillisecond);

void BM_TinyObjLoaderQuads(benchmark::State& state) {
  parse(state, modelFiles().quads(), 12u * kQuads);
}
BENCHMARK(BM_TinyObjLoaderQuads)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
