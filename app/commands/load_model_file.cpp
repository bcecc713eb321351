#include "app/commands/commands.h"
#include "app/file_pickers.h"
#include "image/image_slots.h"
#include "model/model_conversion.h"
#include "model/store_model.h"

namespace qel {
namespace {

// The TIM notes of the material reader, each in its own box without an owner.
class MessageBoxInfoSink : public InfoMessageSink {
 public:
  explicit MessageBoxInfoSink(platform::Ui& ui) : ui_(ui) {}
  void showInfoMessage(std::u16string_view text) override {
    ui_.messageBox(nullptr, text, u"K.DORAN INFORMATION", platform::MessageBoxButtons::Ok);
  }

 private:
  platform::Ui& ui_;
};

}  // namespace

// Model and texture are set together or not at all. A refused model ends silently; the
// command-line tool tells why.
void loadModelFile(AppState& app, platform::WindowHandle window) {
  if (!app.record) return;
  const auto path = app.ui.pickOpenFile(openPickerRequest(
      window, {u"モデルファイル(*.obj)", u"*.obj", u"Wavefront OBJファイルを開く", u"obj"}));
  if (!path) return;
  MessageBoxInfoSink messages(app.ui);
  const ModelConversion conversion = convertObjModel(*path, messages);
  if (failed(conversion.result)) return;
  storeModel(*app.record, conversion.blob);
  storeTexture(*app.record, conversion.texture);
  app.ui.repaint(window);
}

}  // namespace qel
