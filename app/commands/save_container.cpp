#include <new>
#include <string>

#include "app/commands/commands.h"
#include "app/file_pickers.h"
#include "base/path_parts.h"
#include "container/container_file.h"
#include "platform/os.h"

namespace qel {
namespace {

constexpr std::u16string_view kCaption = u"コンテナを保存";

// The current path with the extension cnt; a dot and cnt alone before the first open or
// save, and also when the path would not fit a path buffer.
std::u16string proposedName(std::u16string_view currentPath) {
  std::u16string proposal = makeSiblingPath(currentPath, u"cnt");
  if (proposal.size() > kLongestPath) return u".cnt";
  return proposal;
}

std::u16string_view missingItem(SaveReadiness readiness) {
  switch (readiness) {
    case SaveReadiness::NoMakerName:
      return u"工房名";
    case SaveReadiness::NoContainerName:
      return u"コンテナ名";
    case SaveReadiness::NoModel:
      return u"3Dモデル";
    case SaveReadiness::NoTexture:
      return u"テクスチャー";
    case SaveReadiness::NoSideView:
    case SaveReadiness::Ready:
      break;
  }
  return u"サイドビュー";
}

// Applies the workshop name and writes the file; a save that does not happen is always
// said: the program never asks about unsaved changes at exit, so a silent refusal would
// lose the user's work.
void writeContainer(AppState& app, platform::WindowHandle window, const std::u16string& path) {
  ContainerRecord& record = *app.record;
  // The maker follows the workshop name even when nothing is written.
  applyWorkshopName(record, app.workshopName.view());
  if (const SaveReadiness readiness = checkSaveReady(record); readiness != SaveReadiness::Ready) {
    const std::u16string text =
        u"保存できません。" + std::u16string(missingItem(readiness)) + u"が設定されていません。";
    app.ui.messageBox(window, text, kCaption, platform::MessageBoxButtons::Ok);
    return;
  }

  platform::Clock& clock = platform::clock();
  if (failed(serializeContainer(record, path, clock.tickMilliseconds(), clock.calendarSeconds()))) {
    app.ui.messageBox(window, u"ファイルを書き込めませんでした。\n" + path, kCaption,
                      platform::MessageBoxButtons::Ok);
    return;
  }
  app.currentContainerPath.assign(path);
  app.ui.repaint(window);
}

}  // namespace

void saveContainer(AppState& app, platform::WindowHandle window) {
  if (!app.record) return;
  ContainerRecord& record = *app.record;
  const auto path = pickSavePath(
      app,
      savePickerRequest(
          window, {u"コンテナファイル(*.cnt)", u"*.cnt", u"コンテナファイルを保存する", u"cnt"},
          proposedName(app.currentContainerPath.view())),
      kCaption);
  if (!path) return;

  // Running out of memory leaves the record as it was, maker and creation time included.
  const auto makerBefore = record.makerName;
  const std::int64_t createdBefore = record.createdTime;
  try {
    writeContainer(app, window, *path);
  } catch (const std::bad_alloc&) {
    record.makerName = makerBefore;
    record.createdTime = createdBefore;
    throw;
  }
}

}  // namespace qel
