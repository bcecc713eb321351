// Reads an arbitrary material file whose textures, of every kind, hold arbitrary bytes, as
// the exact conversion and as the repair read it.
// The input holds the material file and the texture, separated by the bytes 0xFF 0x00.
// The textures lie in memory where a name t.* or u.tim finds them; the material file's
// folder has a parent, so every TIM folder is searched.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "fuzz/input_parts.h"
#include "model/info_message_sink.h"
#include "model/material_reader.h"
#include "model/obj_model.h"
#include "model/repair_material_reader.h"
#include "model/tim_header.h"
#include "tests/support/memory_file_system.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

class CheckedSink final : public qel::InfoMessageSink {
 public:
  void showInfoMessage(std::u16string_view text) override { check(text.size() <= 1023); }
};

// The header reads must stay inside the data, and only a 24-bit image has a place.
void checkTimHeader(std::span<const std::uint8_t> data) {
  const qel::TimOrigin origin = qel::timImageOrigin(data);
  check(origin.depth == 24 || origin.depth == 8 || origin.depth == 0);
  check(origin.depth == 24 || (origin.x == 0 && origin.y == 0));
  const qel::TimSize size = qel::timImageSize(data);
  check(size.width >= 0 && size.width <= 2 * 0xFFFF / 3 && size.height >= 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qel::fuzz::InputParts parts(data, size);
  qel::test::MemoryFileSystem files;
  files.addText(u"/f/m/m.mtl", parts.next());
  const std::string_view texture = parts.next();
  for (const char16_t* name : {u"/f/m/t.png", u"/f/m/t.bmp", u"/f/m/t.tim", u"/f/TIM/u.tim"}) {
    files.addText(name, texture);
  }
  // Exactly the texture, with nothing behind it to read into.
  const qel::Bytes timData(texture.begin(), texture.end());
  checkTimHeader(timData);

  // Megabytes: made once; each run clears what the run before it wrote.
  static const auto model = qel::createObjModel();
  qel::resetObjModel(*model);
  CheckedSink sink;
  // Everything a check reports, each problem in one line.
  const auto oneLine = [](const qel::Diagnostic& problem) {
    check(problem.message.find('\n') == std::string::npos);
  };
  qel::ModelDiagnostics diagnostics(qel::ModelDiagnostics::Mode::Everything, oneLine);
  if (qel::failed(qel::readMaterialFile(u"/f/m/m.mtl", *model, sink, diagnostics))) {
    check(diagnostics.hasError());
  }

  // In the repair's mode every material of the model has its repair entry, which the
  // repair looks up by the model's material numbers.
  qel::resetObjModel(*model);
  qel::RepairReading repair;
  qel::ModelDiagnostics repairDiagnostics(qel::ModelDiagnostics::Mode::Everything, oneLine);
  if (qel::failed(qel::readRepairMaterialFile(u"/f/m/m.mtl", *model, repairDiagnostics, repair))) {
    check(repairDiagnostics.hasError());
  }
  check(repair.materials.size() == static_cast<std::size_t>(model->materials.size()));
  return 0;
}
