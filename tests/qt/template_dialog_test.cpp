#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>
#include <functional>

#include "dialogs/container_name_dialog.h"
#include "dialogs/container_type_table.h"
#include "frontends/qt/multi_line_edit.h"
#include "frontends/qt/qt_text.h"
#include "frontends/qt/template_dialog.h"
#include "modal_driver.h"
#include "resources/resources.h"

namespace qel::qt {
namespace {

using resources::ControlKind;
using resources::ControlTemplate;
using resources::DialogTemplate;
namespace r = resources;

constexpr int kType = r::kTypeList, kLength = r::kLengthField, kDescription = r::kDescriptionField;

const DialogTemplate& kParameterDialog = *r::findDialog(r::kParameterDialog);
const DialogTemplate& kNameDialog = *r::findDialog(r::kContainerNameDialog);

// A procedure whose reactions the test chooses; it records every command.
class ScriptedProcedure final : public platform::DialogProcedure {
 public:
  std::function<void(platform::DialogControls&)> init;
  std::function<bool(platform::DialogControls&, int)> react;
  std::vector<int> commands;
  std::vector<int> changes;

  bool onInitDialog(platform::DialogControls& dialog) override {
    if (init) init(dialog);
    return true;
  }
  bool onCommand(platform::DialogControls& dialog, int command) override {
    commands.push_back(command);
    if (react) return react(dialog, command);
    dialog.endDialog(command);
    return true;
  }
  void onChange(platform::DialogControls&, int control) override { changes.push_back(control); }
};

TEST(TemplateDialog, EveryTemplateOfTheProgramBuildsWithItsTextsInside) {
  for (const int id : {r::kAboutDialog, r::kWorkshopNameDialog, r::kContainerNameDialog,
                       r::kParameterDialog, r::kModelSizeDialog}) {
    const DialogTemplate* found = r::findDialog(id);
    ASSERT_NE(found, nullptr) << id;
    ScriptedProcedure procedure;
    TemplateDialog dialog(*found, procedure, nullptr);
    EXPECT_EQ(dialog.windowTitle(), toQString(found->title));
    EXPECT_EQ(dialog.size(), dialog.units().toPixels(found->width, found->height));
    for (const ControlTemplate& control : found->controls) {
      const QRect area =
          dialog.units().toPixels(control.x, control.y, control.width, control.height);
      // Every control lies inside the dialog, and static texts wrap inside their rectangles.
      EXPECT_TRUE(QRect(QPoint(0, 0), dialog.size()).contains(area)) << id;
      if (control.kind != ControlKind::Static) continue;
      const QLabel* label = nullptr;
      for (const QLabel* each : dialog.findChildren<QLabel*>()) {
        if (each->text() == toQString(control.text)) label = each;
      }
      ASSERT_NE(label, nullptr) << id;
      EXPECT_LE(label->heightForWidth(label->width()), label->height())
          << id << " " << label->text().toStdString();
    }
  }
}

TEST(TemplateDialog, AboutBoxHasAnIconAreaAndADefaultButton) {
  ScriptedProcedure procedure;
  TemplateDialog dialog(*r::findDialog(r::kAboutDialog), procedure, nullptr);
  int iconAreas = 0;
  for (QLabel* label : dialog.findChildren<QLabel*>()) iconAreas += label->text().isEmpty();
  EXPECT_EQ(iconAreas, 1);
  EXPECT_TRUE(qobject_cast<QPushButton*>(dialog.control(1))->isDefault());
}

TEST(TemplateDialog, BuildsEachControlAsItsKindAndStyle) {
  ScriptedProcedure procedure;
  TemplateDialog dialog(kParameterDialog, procedure, nullptr);
  auto* ok = qobject_cast<QPushButton*>(dialog.control(1));
  auto* cancel = qobject_cast<QPushButton*>(dialog.control(2));
  ASSERT_TRUE(ok && cancel);
  EXPECT_TRUE(ok->isDefault());
  EXPECT_FALSE(cancel->isDefault());

  auto* type = qobject_cast<QComboBox*>(dialog.control(kType));
  ASSERT_NE(type, nullptr);
  EXPECT_FALSE(type->isEditable());  // a drop-down list takes no typed text

  auto* length = qobject_cast<QLineEdit*>(dialog.control(kLength));
  ASSERT_NE(length, nullptr);
  QTest::keyClicks(length, QStringLiteral("12a-3"));
  EXPECT_EQ(length->text(), QStringLiteral("123"));  // digits only

  EXPECT_NE(qobject_cast<MultiLineEdit*>(dialog.control(kDescription)), nullptr);
  EXPECT_EQ(dialog.control(-1), nullptr);
  EXPECT_EQ(dialog.control(4711), nullptr);
}

TEST(TemplateDialog, GeometryFollowsTheDialogUnitsOfItsFont) {
  ScriptedProcedure procedure;
  TemplateDialog dialog(kParameterDialog, procedure, nullptr);
  const DialogUnits& units = dialog.units();
  ASSERT_GT(units.toPixelsX(4), 0);
  ASSERT_GT(units.toPixelsY(8), 0);
  EXPECT_EQ(dialog.control(1)->geometry(), units.toPixels(205, 151, 50, 14));
  // A dialog unit is a quarter of the average width and an eighth of the height.
  EXPECT_EQ(DialogUnits(6, 13).toPixels(205, 151, 50, 14), QRect(308, 245, 75, 23));
  // The closed combo is one line high, not the height of its opened list.
  EXPECT_LT(dialog.control(kType)->height(), units.toPixelsY(63));
}

TEST(TemplateDialog, TabMovesThroughTheTabStopsInTemplateOrder) {
  ScriptedProcedure procedure;
  std::vector<int> visited;
  test::whenModalOpens([&](QWidget* window) {
    for (int i = 0; i < 6; ++i) {
      QWidget* focus = window->focusWidget();
      while (focus != nullptr && !focus->property("controlId").isValid())
        focus = focus->parentWidget();
      visited.push_back(focus != nullptr ? focus->property("controlId").toInt() : 0);
      QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
    }
    static_cast<TemplateDialog*>(window)->endDialog(0);
  });
  TemplateDialog(kParameterDialog, procedure, nullptr).run();
  EXPECT_EQ(visited, (std::vector<int>{1, 2, kType, kLength, kDescription, 1}));
}

TEST(TemplateDialog, SortedComboKeepsEachNameWithItsItemData) {
  ScriptedProcedure procedure;
  TemplateDialog dialog(kParameterDialog, procedure, nullptr);
  platform::DialogControls& controls = dialog;
  controls.comboReset(kType);
  for (const int index : {0, 1, 2, 3, 4, 5, 9, 10, 11, 12}) {
    const int position = controls.comboAddString(kType, kContainerTypeTable[index]);
    controls.comboSetItemData(kType, position, static_cast<std::uint32_t>(index));
  }
  ASSERT_EQ(controls.comboCount(kType), 10);
  EXPECT_EQ(controls.comboSelection(kType), -1);  // adding selects nothing

  const std::vector<std::pair<std::u16string, std::uint32_t>> expected{
      {u"---", 0},      {u"12ft/10ft", 5}, {u"20ft", 9},    {u"30ft", 10},   {u"ISO20ft", 11},
      {u"ISO40ft", 12}, {u"自動車L", 4},   {u"自動車M", 3}, {u"自動車S", 2}, {u"荷物", 1}};
  auto* combo = qobject_cast<QComboBox*>(dialog.control(kType));
  for (int position = 0; position < 10; ++position) {
    EXPECT_EQ(toU16(combo->itemText(position)), expected[position].first);
    EXPECT_EQ(controls.comboItemData(kType, position), expected[position].second);
  }
  EXPECT_EQ(controls.comboItemData(kType, 10), platform::kComboError);
  EXPECT_EQ(controls.comboItemData(kType, -1), platform::kComboError);

  controls.comboSetSelection(kType, 5);
  EXPECT_EQ(controls.comboSelection(kType), 5);
  EXPECT_EQ(controls.getText(kType, 64), u"ISO40ft");
  controls.comboReset(kType);
  EXPECT_EQ(controls.comboCount(kType), 0);
  EXPECT_EQ(controls.comboSelection(kType), -1);
}

TEST(TemplateDialog, TypedComboTextSelectsNoEntry) {
  static constexpr std::array<ControlTemplate, 1> controlsOfDropDown{
      {{kType, ControlKind::ComboBox, u"", 0, 0, 100, 60, r::kComboDropDown | r::kComboSort, 0}}};
  static constexpr DialogTemplate dropDown{1, u"", 0, 0, 120, 80, true, u"", 8, controlsOfDropDown};
  ScriptedProcedure procedure;
  TemplateDialog dialog(dropDown, procedure, nullptr);
  dialog.comboAddString(kType, u"20ft");
  dialog.comboSetSelection(kType, 0);
  qobject_cast<QComboBox*>(dialog.control(kType))->setEditText(QStringLiteral("自作"));
  EXPECT_EQ(dialog.comboSelection(kType), -1);
}

TEST(TemplateDialog, TypingAndChoosingTellTheProcedureAndAGreyedButtonIsGrey) {
  ScriptedProcedure procedure;
  TemplateDialog dialog(*r::findDialog(r::kModelSizeDialog), procedure, nullptr);
  QTest::keyClicks(qobject_cast<QLineEdit*>(dialog.control(r::kModelScaleField)),
                   QStringLiteral("2"));
  dialog.comboAddString(r::kModelUnitList, u"mm");
  dialog.comboAddString(r::kModelUnitList, u"m");
  procedure.changes.clear();
  qobject_cast<QComboBox*>(dialog.control(r::kModelUnitList))->setCurrentIndex(1);
  EXPECT_EQ(procedure.changes, std::vector<int>{r::kModelUnitList});
  dialog.enable(r::kFitLengthButton, false);
  EXPECT_FALSE(dialog.control(r::kFitLengthButton)->isEnabled());
}

TEST(TemplateDialog, EditFieldsKeepWhatTheirLimitAllowsAndGiveCountMinusOne) {
  ScriptedProcedure procedure;
  TemplateDialog dialog(kNameDialog, procedure, nullptr);
  auto* name = qobject_cast<QLineEdit*>(dialog.control(r::kContainerNameField));
  QTest::keyClicks(name, QString(30, QLatin1Char('a')));
  EXPECT_EQ(name->text().size(), 26);  // typing stops at the limit
  EXPECT_EQ(dialog.getText(r::kContainerNameField, 27).size(), 26u);
  EXPECT_EQ(dialog.getText(r::kContainerNameField, 10).size(), 9u);
  EXPECT_EQ(dialog.getText(r::kContainerNameField, 1), u"");
  EXPECT_EQ(dialog.getText(r::kContainerNameField, 0), u"");
  EXPECT_EQ(dialog.getText(4711, 10), u"");

  // A character of two units typed into the last free unit is not taken at all.
  name->clear();
  QTest::keyClicks(name, QString(25, QLatin1Char('a')));
  QKeyEvent emoji(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("😀"));
  QApplication::sendEvent(name, &emoji);
  EXPECT_EQ(name->text(), QString(25, QLatin1Char('a')));

  dialog.setText(r::kContainerNameField, u"箱😀");  // one character outside the BMP is two units
  EXPECT_EQ(dialog.getText(r::kContainerNameField, 64), u"箱😀");
  EXPECT_EQ(dialog.getText(r::kContainerNameField, 3),
            u"箱");  // a cut through a character leaves it out
}

// What the program puts into a field is shown whole; only typing is held to the limit.
TEST(TemplateDialog, ALongerNameFromAFileIsShownWholeAndCutOnlyWhenConfirmed) {
  const std::u16string full(31, u'x');
  for (const int button : {platform::kIdCancel, platform::kIdOk}) {
    ContainerNameEntry entry;
    entry.containerName.assign(full);
    ContainerNameDialogProcedure procedure(entry);
    TemplateDialog dialog(kNameDialog, procedure, nullptr);
    test::whenModalOpens([&dialog, button](QWidget*) {
      auto* name = qobject_cast<QLineEdit*>(dialog.control(r::kContainerNameField));
      EXPECT_EQ(name->text().size(), 31);
      QTest::keyClick(name, Qt::Key_End);  // the field opens with its text selected
      QTest::keyClicks(name, QStringLiteral("y"));
      EXPECT_EQ(name->text().size(), 31);
      qobject_cast<QPushButton*>(dialog.control(button))->click();
    });
    dialog.run();
    EXPECT_EQ(entry.containerName.view(), button == platform::kIdOk ? full.substr(0, 26) : full);
  }
}

TEST(TemplateDialog, MultiLineFieldKeepsItsLineBreaksAndRefusesGrowthBeyondItsLimit) {
  ScriptedProcedure procedure;
  TemplateDialog dialog(kParameterDialog, procedure, nullptr);
  dialog.setText(kDescription, u"一行目\r\n二行目");
  EXPECT_EQ(dialog.getText(kDescription, 64), u"一行目\r\n二行目");

  // A text with LF breaks (as the command-line tool may store one) keeps them: it does not
  // grow past the field and lose its end when the dialog is confirmed.
  std::u16string lfLines;
  for (int line = 0; line < 9; ++line) lfLines += line == 0 ? u"abcdef" : u"\nabcdef";
  ASSERT_EQ(lfLines.size(), 62u);
  dialog.setText(kDescription, lfLines);
  EXPECT_EQ(dialog.getText(kDescription, 64), lfLines);
  dialog.setText(kDescription, u"a\rb");
  EXPECT_EQ(dialog.getText(kDescription, 64), u"a\rb");

  auto* field = qobject_cast<MultiLineEdit*>(dialog.control(kDescription));
  dialog.setText(kDescription, u"");
  QTest::keyClicks(field, QString(70, QLatin1Char('x')));
  EXPECT_EQ(dialog.getText(kDescription, 100).size(), 63u);

  // Over-long text from outside is shown whole and may still be shortened.
  dialog.setText(kDescription, std::u16string(70, u'y'));
  EXPECT_EQ(dialog.getText(kDescription, 100).size(), 70u);
  field->moveCursor(QTextCursor::End);
  QTest::keyClick(field, Qt::Key_Backspace);
  EXPECT_EQ(dialog.getText(kDescription, 100).size(), 69u);
  QTest::keyClick(field, Qt::Key_Z);
  EXPECT_EQ(dialog.getText(kDescription, 100).size(), 69u);
}

TEST(TemplateDialog, EnterInTheDescriptionPressesOkAndCtrlEnterStartsALine) {
  ScriptedProcedure procedure;
  std::u16string typed;
  procedure.react = [&](platform::DialogControls& dialog, int command) {
    typed = dialog.getText(kDescription, 64);
    dialog.endDialog(command);
    return true;
  };
  test::whenModalOpens([](QWidget* window) {
    auto* field = static_cast<TemplateDialog*>(window)->control(kDescription);
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("ab"));
    QTest::keyClick(field, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(field, QStringLiteral("c"));
    QTest::keyClick(field, Qt::Key_Return);
  });
  EXPECT_EQ(TemplateDialog(kParameterDialog, procedure, nullptr).run(), platform::kIdOk);
  EXPECT_EQ(procedure.commands, std::vector<int>{platform::kIdOk});
  EXPECT_EQ(typed, u"ab\r\nc");
}

TEST(TemplateDialog, EscapeAndCloseBoxAreCancelAndOnlyEndDialogCloses) {
  ScriptedProcedure procedure;
  int cancels = 0;
  procedure.react = [&](platform::DialogControls& dialog, int command) {
    if (command == platform::kIdCancel && ++cancels == 2) dialog.endDialog(77);
    return true;
  };
  test::whenModalOpens([](QWidget* window) {
    QTest::keyClick(window, Qt::Key_Escape);  // handled without ending: stays open
    EXPECT_TRUE(window->isVisible());
    window->close();
  });
  EXPECT_EQ(TemplateDialog(kNameDialog, procedure, nullptr).run(), 77);
  EXPECT_EQ(procedure.commands, (std::vector<int>{platform::kIdCancel, platform::kIdCancel}));
}

TEST(TemplateDialog, InitialisedTextIsThereAndEndingInInitNeverShows) {
  ScriptedProcedure procedure;
  procedure.init = [](platform::DialogControls& dialog) {
    dialog.setText(r::kWorkshopNameField, u"テスト工房");
    EXPECT_EQ(dialog.getText(r::kWorkshopNameField, 16), u"テスト工房");
    dialog.endDialog(5);
  };
  EXPECT_EQ(TemplateDialog(kNameDialog, procedure, nullptr).run(), 5);
}

}  // namespace
}  // namespace qel::qt
