#pragma once

#include <QDialog>
#include <map>

#include "frontends/qt/dialog_units.h"
#include "platform/ui.h"
#include "resources/resource_types.h"

namespace qel::qt {

// A modal dialog built at run time from a dialog template: geometry converted from dialog
// units of the template's font, one widget per control in tab order, and every button press,
// Escape and the close box handed to the program's dialog procedure as a command.
class TemplateDialog final : public QDialog, public platform::DialogControls {
 public:
  TemplateDialog(const resources::DialogTemplate& dialog, platform::DialogProcedure& procedure,
                 QWidget* owner);

  // Initialises through the procedure and runs modally until it calls endDialog; answers the
  // result given to endDialog.
  int run();

  // The widget of control id; nullptr when the template has none.
  QWidget* control(int id) const;
  const DialogUnits& units() const { return units_; }

  void setText(int control, std::u16string_view text) override;
  std::u16string getText(int control, int count) override;
  void comboReset(int control) override;
  int comboAddString(int control, std::u16string_view text) override;
  void comboSetItemData(int control, int position, std::uint32_t data) override;
  std::uint32_t comboItemData(int control, int position) override;
  int comboCount(int control) override;
  void comboSetSelection(int control, int position) override;
  int comboSelection(int control) override;
  void enable(int id, bool enabled) override;
  void endDialog(int result) override;

 protected:
  void reject() override;  // Escape and the close box

 private:
  QWidget* buildControl(const resources::ControlTemplate& control);
  void command(int id);
  void focusFirstTabStop();
  void placeOnScreen(const resources::DialogTemplate& dialog, QWidget* owner);

  platform::DialogProcedure& procedure_;
  DialogUnits units_;
  std::map<int, QWidget*> controls_;
  QList<QWidget*> tabOrder_;
  bool sortedCombo_ = false;
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace qel::qt
