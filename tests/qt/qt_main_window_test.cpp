#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "frontends/qt/accelerators.h"
#include "frontends/qt/qt_main_window.h"
#include "frontends/qt/status_view.h"
#include "resources/resources.h"

namespace qel::qt {
namespace {

namespace r = resources;

class RecordingHandler final : public platform::MainWindowHandler {
 public:
  std::vector<int> commands;
  int paints = 0;
  int destroys = 0;
  void onPaint(platform::WindowHandle, platform::TextSink&) override { ++paints; }
  bool onCommand(platform::WindowHandle, int command) override {
    commands.push_back(command);
    return true;
  }
  void onDestroy(platform::WindowHandle) override { ++destroys; }
};

QtMainWindowParts parts() {
  return {QStringLiteral("ノルカ"), QStringLiteral("QELCONTAINER"), r::findMenu(r::kMainMenu),
          r::findAccelerators(r::kAcceleratorTable)};
}

struct ItemSeen {
  QString caption;
  int command;  // 0 for a separator
  bool operator==(const ItemSeen&) const = default;
};

TEST(QtMainWindow, MenuBarFollowsItsMenusAndHandsOverTheCommands) {
  static constexpr r::MenuItem kFile[] = {{7, u"開く(&O)"}, {0, u""}, {9, u"終了"}};
  static constexpr r::MenuItem kHelp[] = {{3, u"情報(&A)..."}};
  static constexpr r::Menu kMenus[] = {{u"ファイル(&F)", kFile}, {u"ヘルプ", kHelp}};
  RecordingHandler handler;
  QtMainWindowParts withMenus = parts();
  withMenus.menus = kMenus;
  QtMainWindow window(withMenus, handler);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("ノルカ"));

  const QList<QAction*> menus = window.menuBar()->actions();
  ASSERT_EQ(menus.size(), 2);
  // Qt marks mnemonics with "&" as the resources do.
  EXPECT_EQ(menus[0]->text(), QStringLiteral("ファイル(&F)"));
  EXPECT_EQ(menus[1]->text(), QStringLiteral("ヘルプ"));
  std::vector<ItemSeen> seen;
  for (QAction* menu : menus) {
    for (QAction* item : menu->menu()->actions()) {
      seen.push_back({item->text(), item->isSeparator() ? 0 : item->data().toInt()});
      EXPECT_TRUE(item->shortcut().isEmpty());  // the captions carry no shortcut text
      if (!item->isSeparator()) item->trigger();
    }
  }
  EXPECT_EQ(seen, (std::vector<ItemSeen>{{QStringLiteral("開く(&O)"), 7},
                                         {QString(), 0},
                                         {QStringLiteral("終了"), 9},
                                         {QStringLiteral("情報(&A)..."), 3}}));
  EXPECT_EQ(handler.commands, (std::vector<int>{7, 9, 3}));
}

TEST(QtMainWindow, AcceleratorsReachTheHandlerFromAnyWidgetOfTheWindow) {
  RecordingHandler handler;
  QtMainWindow window(parts(), handler);
  window.show();
  QWidget* view = window.statusView();
  QTest::keyClick(view, Qt::Key_O, Qt::ControlModifier);
  QTest::keyClick(view, Qt::Key_S, Qt::ControlModifier);
  QTest::keyClick(view, Qt::Key_N, Qt::ControlModifier);
  QTest::keyClick(view, Qt::Key_Slash, Qt::AltModifier);
  QTest::keyClick(view, Qt::Key_Question, Qt::AltModifier | Qt::ShiftModifier);
  QTest::keyClick(view, Qt::Key_O);                                           // no Ctrl
  QTest::keyClick(view, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);  // extra Shift
  QTest::keyClick(view, Qt::Key_Slash);                                       // no Alt
  EXPECT_EQ(handler.commands, (std::vector<int>{32777, 32778, 32776, 104, 104}));
}

TEST(Accelerators, KeyPressGivesItsVirtualKeyAndTheCharacterItTypes) {
  const auto strokes = keyStrokesOf(Qt::Key_O, Qt::ControlModifier, QStringLiteral("\x0f"));
  ASSERT_EQ(strokes.size(), 1u);  // Ctrl types a control code, not "o"
  EXPECT_FALSE(strokes[0].isCharacter);
  EXPECT_EQ(strokes[0].key, u'O');
  EXPECT_TRUE(strokes[0].control);

  // Alt+Shift+/ types "?" on a US keyboard; Qt reports the key as "?" and maybe no text.
  for (const QString& text : {QStringLiteral("?"), QString()}) {
    const auto typed = keyStrokesOf(Qt::Key_Question, Qt::AltModifier | Qt::ShiftModifier, text);
    ASSERT_EQ(typed.size(), 1u);
    EXPECT_TRUE(typed[0].isCharacter);
    EXPECT_EQ(typed[0].key, u'?');
    EXPECT_TRUE(typed[0].alt);
  }

  const auto letter = keyStrokesOf(Qt::Key_A, Qt::AltModifier, QString());
  ASSERT_EQ(letter.size(), 2u);
  EXPECT_EQ(letter[0].key, u'A');
  EXPECT_EQ(letter[1].key, u'a');
  EXPECT_TRUE(keyStrokesOf(Qt::Key_F5, Qt::NoModifier, QString()).empty());
}

TEST(QtMainWindow, CloseBoxDestroysOnceAndCommandsStopAfterwards) {
  RecordingHandler handler;
  QtMainWindow window(parts(), handler);
  window.show();
  window.close();
  EXPECT_EQ(handler.destroys, 1);
  EXPECT_FALSE(window.isVisible());
  window.destroy();
  EXPECT_EQ(handler.destroys, 1);
  QTest::keyClick(window.statusView(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_TRUE(handler.commands.empty());
}

TEST(QtMainWindow, RepaintPaintsBeforeReturning) {
  RecordingHandler handler;
  QtMainWindow window(parts(), handler);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const int before = handler.paints;
  window.repaintNow();
  EXPECT_EQ(handler.paints, before + 1);
}

}  // namespace
}  // namespace qel::qt
