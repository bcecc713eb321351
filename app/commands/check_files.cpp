#include <vector>

#include "app/commands/commands.h"
#include "app/file_pickers.h"
#include "check/container_check.h"
#include "check/model_check.h"
#include "model/obj_reader.h"
#include "resources/captions.h"
#include "resources/check_texts.h"
#include "resources/picker_texts.h"

namespace qel {

// Every problem of a model (with the MTL files and textures it names) or a container file,
// as qelcontainer-cli check finds them, in a box; the open part stays as it is.
void checkFiles(AppState& app, platform::WindowHandle window) {
  const auto path =
      pickOpenPath(app,
                   openPickerRequest(window, {resources::kCheckedFileFilter, u"*.obj;*.cnt;*.q5c",
                                              resources::kCheckFileTitle, u"obj"}),
                   resources::kCheckFilesCaption);
  if (!path) return;
  const std::vector<Diagnostic> problems =
      isObjPath(*path) ? checkObjFile(*path) : checkContainerFile(*path);
  app.ui.messageBox(window, resources::checkReportText(*path, problems),
                    resources::kCheckFilesCaption, platform::MessageBoxButtons::Ok);
}

}  // namespace qel
