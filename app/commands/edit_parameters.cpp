#include "app/commands/commands.h"
#include "dialogs/parameter_dialog.h"

namespace qel {

void editParameters(AppState& app, platform::WindowHandle window) {
  const ContainerRecord& shown = app.document.record();
  ParameterEntry values;
  values.typeIndex = shown.typeIndex;
  values.description = shown.description;
  values.lengthMm = shown.lengthMm;
  if (!runParameterDialog(app.ui, window, values)) return;
  ContainerRecord& record = app.document.change();
  record.typeIndex = values.typeIndex;
  record.description = values.description;
  record.lengthMm = values.lengthMm;
  app.ui.repaint(window);
}

}  // namespace qel
