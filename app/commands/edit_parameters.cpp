#include "app/commands/commands.h"
#include "dialogs/parameter_dialog.h"

namespace qel {

void editParameters(AppState& app, platform::WindowHandle window) {
  if (!app.record) return;
  ContainerRecord& record = *app.record;
  ParameterEntry values;
  values.typeIndex = record.typeIndex;
  values.description = record.description;
  values.lengthMm = record.lengthMm;
  if (!runParameterDialog(app.ui, window, values)) return;
  record.typeIndex = values.typeIndex;
  record.description = values.description;
  record.lengthMm = values.lengthMm;
  app.ui.repaint(window);
}

}  // namespace qel
