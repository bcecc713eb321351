// qelcontainer-cli render FILE.cnt|MODEL.obj -o OUT.png [--size WxH] [--yaw DEG]
// [--pitch DEG] [--side-view]: the desktop program's preview of the model, with its
// texture, as a PNG; or the side view that its サイドビューを生成 makes.
#include <CLI/CLI.hpp>

#include <charconv>
#include <cmath>
#include <memory>

#include "cli/commands.h"
#include "cli/container_input.h"
#include "cli/model_input.h"
#include "cli/refusal.h"
#include "cli/utf8_argument.h"
#include "container/whole_file.h"
#include "image/png_check.h"
#include "model/obj_reader.h"
#include "preview/png_codec.h"
#include "preview/preview_pane.h"
#include "preview/render_preview.h"
#include "preview/side_view.h"

namespace qel::cli {
namespace {

constexpr int kMaxSide = 4096;

struct RenderOptions {
  std::string input;
  std::string output;
  std::string size;  // empty: 512 x 512, or for a side view the size sideViewSizeFor picks
  double yaw = PreviewView{}.yawDegrees;
  double pitch = PreviewView{}.pitchDegrees;
  ModelInputOptions model;  // of an OBJ model
  bool sideView = false;
};

struct PictureSize {
  int width = 0;
  int height = 0;
};

std::optional<int> sideOf(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > kMaxSide) {
    return std::nullopt;
  }
  return value;
}

std::optional<PictureSize> sizeOf(std::string_view text) {
  const std::size_t x = text.find('x');
  if (x == std::string_view::npos) return std::nullopt;
  const auto width = sideOf(text.substr(0, x));
  const auto height = sideOf(text.substr(x + 1));
  if (!width || !height) return std::nullopt;
  return PictureSize{*width, *height};
}

CLI::Validator pictureSize() {
  return CLI::Validator(
      [](std::string& text) {
        return sizeOf(text) ? std::string()
                            : "WxH with each side from 1 to " + std::to_string(kMaxSide);
      },
      "WxH");
}

CLI::Validator degrees(double limit) {
  return CLI::Validator(
      [limit](std::string& text) {
        double value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        const bool good = error == std::errc() && end == text.data() + text.size() &&
                          std::isfinite(value) && std::fabs(value) <= limit;
        const std::string bound = std::to_string(static_cast<int>(limit));
        return good ? std::string() : "degrees from -" + bound + " to " + bound;
      },
      "DEG");
}

struct ModelToDraw {
  Bytes blob;
  std::optional<Bytes> texture;
  std::optional<Bytes> sideView;  // of a container
};

// The model and texture of an OBJ file as set-model takes them, or of a container file.
std::optional<ModelToDraw> modelOf(const std::string& input, const ModelInputOptions& options,
                                   std::ostream& err) {
  if (const auto wide = fromUtf8Argument(input); wide && isObjPath(*wide)) {
    auto conversion = convertModelInput(input, input, err, options);
    if (!conversion) return std::nullopt;
    return ModelToDraw{std::move(conversion->blob), std::move(conversion->texture), {}};
  }
  auto loaded = openContainerInput(input, err);
  if (!loaded) return std::nullopt;
  if (!loaded->record.modelData) {
    refuse(err, input, "holds no model");
    return std::nullopt;
  }
  return ModelToDraw{std::move(*loaded->record.modelData), std::move(loaded->record.textureData),
                     std::move(loaded->record.sideViewData)};
}

int runRender(const RenderOptions& options, std::ostream& err) {
  const auto output = pathArgument(options.output, err);
  if (!output) return kExitRefused;
  const auto model = modelOf(options.input, options.model, err);
  if (!model) return kExitRefused;
  const PreviewMeshReading mesh = readPreviewMesh(model->blob);
  if (!mesh.mesh)
    return refuse(err, options.input, "model cannot be drawn: " + std::string(mesh.reason));

  std::optional<RgbaImage> texture;
  if (model->texture) {
    texture = decodePng(*model->texture);
    // As in the desktop program the model is drawn all the same.
    if (!texture) err << options.input << ": no texture (the PNG cannot be decoded)\n";
  }
  const RgbaImage* textureImage = texture ? &*texture : nullptr;
  Bytes png;
  if (options.sideView) {
    SideViewSize size = sideViewSizeFor(model->sideView);
    if (!options.size.empty()) {
      const PictureSize asked = *sizeOf(options.size);
      if (asked.width > static_cast<int>(kMaxImageSide) ||
          asked.height > static_cast<int>(kMaxImageSide)) {
        return refuse(err, options.size,
                      "a side view is at most " + largestImageText() + " pixels");
      }
      size = {asked.width, asked.height};
    }
    if (mesh.mesh->triangles.empty()) return refuse(err, options.input, "model has no triangles");
    png = encodePng(renderSideView(*mesh.mesh, textureImage, size));
  } else {
    const PictureSize size = *sizeOf(options.size.empty() ? "512x512" : options.size);
    PreviewView view;
    view.yawDegrees = static_cast<float>(options.yaw);
    view.pitchDegrees = static_cast<float>(options.pitch);
    PreviewRenderer renderer;
    png = encodePng(
        renderer.render(*mesh.mesh, textureImage, view, size.width, size.height, kPreviewBackdrop));
    if (!renderer.drewAll()) err << options.input << ": model too large: partly drawn\n";
  }
  platform::WriteFailure why = platform::WriteReason::Other;
  if (png.empty() || !writeWholeFile(*output, png, &why)) {
    return refuse(err, options.output, englishText(why));
  }
  return kExitSuccess;
}

}  // namespace

Command addRenderCommand(CLI::App& app) {
  auto options = std::make_shared<RenderOptions>();
  CLI::App* render =
      app.add_subcommand("render", "Draw the model with its texture as the preview shows it");
  render->add_option("FILE", options->input, "Container file (.cnt, .q5c) or OBJ model (.obj)")
      ->required();
  render->add_option("-o,--output", options->output, "PNG file to write")->required();
  render->add_flag("--repair", options->model.repair, "Convert an OBJ model with the repair");
  addScaleOptions(*render, options->model);
  render
      ->add_option("--size", options->size,
                   "Picture size; default 512x512, for a side view that of the container's side "
                   "view or 200x64")
      ->check(pictureSize());
  CLI::Option* yaw =
      render->add_option("--yaw", options->yaw, "Camera turn about the vertical axis; default 30")
          ->check(degrees(360));
  CLI::Option* pitch =
      render->add_option("--pitch", options->pitch, "Camera height, -90 to 90; default 20")
          ->check(degrees(kMaxPitchDegrees));
  render
      ->add_flag("--side-view", options->sideView,
                 "The side view: from the side, parallel, framed tight, transparent background")
      ->excludes(yaw)
      ->excludes(pitch);
  return {render, [options](std::ostream&, std::ostream& err) { return runRender(*options, err); },
          resetting(options)};
}

}  // namespace qel::cli
