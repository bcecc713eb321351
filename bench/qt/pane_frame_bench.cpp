// One frame of the Qt program's preview pane while the model is dragged: the move of the drag
// and the paint it asks for, with the working model at its capacity (10,000 textured
// triangles, 30,000 vertices) in a window of 1920 x 1080, on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/app_state.h"
#include "app/main_window.h"
#include "base/utf.h"
#include "frontends/qt/preview_pane.h"
#include "frontends/qt/qt_main_window.h"
#include "frontends/qt/qt_settings_store.h"
#include "frontends/qt/qt_ui.h"
#include "model/info_message_sink.h"
#include "model/model_conversion.h"
#include "preview/png_codec.h"
#include "resources/resources.h"

namespace {

namespace fs = std::filesystem;

class NoMessages final : public qel::InfoMessageSink {
 public:
  void showInfoMessage(std::u16string_view) override {}
};

// A grid of 100 x 50 quads, each two triangles of its own corners, over a 256 x 256 texture.
qel::ModelConversion capacityModel() {
  const fs::path folder = fs::temp_directory_path() / "qel-pane-frame-bench";
  fs::create_directories(folder);
  const qel::Bytes png = qel::encodePng(qel::RgbaImage(256, 256, {200, 120, 40, 255}));
  std::ofstream(folder / "skin.png", std::ios::binary)
      .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  std::ofstream(folder / "box.mtl") << "newmtl skin\nmap_Kd skin.png\n";
  std::ofstream obj(folder / "box.obj");
  obj << "mtllib box.mtl\nusemtl skin\n";
  int corner = 0;
  for (int row = 0; row < 50; ++row) {
    for (int column = 0; column < 100; ++column) {
      for (const auto& [dx, dy] : {std::pair{0, 0}, {1, 0}, {1, 1}, {0, 0}, {1, 1}, {0, 1}}) {
        obj << "v " << (column + dx) * 120 << ' ' << (row + dy) * 50 << " 0\n"
            << "vt " << (column + dx) / 100.0 << ' ' << (row + dy) / 50.0 << '\n';
      }
      obj << "f " << corner + 1 << '/' << corner + 1 << ' ' << corner + 2 << '/' << corner + 2
          << ' ' << corner + 3 << '/' << corner + 3 << "\nf " << corner + 4 << '/' << corner + 4
          << ' ' << corner + 5 << '/' << corner + 5 << ' ' << corner + 6 << '/' << corner + 6
          << '\n';
      corner += 6;
    }
  }
  obj.close();
  NoMessages messages;
  return qel::convertObjModel(qel::fromUtf8((folder / "box.obj").string()), messages);
}

void BM_QtPaneDragFrame(benchmark::State& state) {
  namespace r = qel::resources;
  qel::qt::QtUi ui;
  qel::qt::QtSettingsStore settings;
  qel::AppState app(ui, settings);
  qel::MainWindow handler(app);
  const qel::ModelConversion model = capacityModel();
  if (qel::failed(model.result)) return state.SkipWithError("the model did not convert");
  qel::ContainerRecord& record = app.document.change();
  record.modelData = model.blob;
  record.textureData = model.texture;
  const qel::platform::WindowHandle handle =
      ui.createMainWindow({u"ノルカ", u"QELCONTAINER", r::kMainMenu, r::kAcceleratorTable,
                           r::kLargeIcon, r::kSmallIcon},
                          handler);
  qel::qt::QtMainWindow* window = ui.mainWindow(handle);
  window->resize(1920, 1080);
  QApplication::processEvents();
  QWidget* pane = window->previewPane();
  const QPointF start(pane->width() / 2.0, pane->height() / 3.0);
  QMouseEvent press(QEvent::MouseButtonPress, start, pane->mapToGlobal(start), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(pane, &press);
  int step = 0;
  for (auto _ : state) {
    const QPointF at = start + QPointF((step++ % 200) - 100, 0);
    QMouseEvent move(QEvent::MouseMove, at, pane->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(pane, &move);
    pane->repaint();
  }
  state.counters["paneWidth"] = pane->width();
  state.counters["paneHeight"] = pane->height();
  state.counters["vertices"] = model.vertexCount;
}
BENCHMARK(BM_QtPaneDragFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
