#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <array>

#include "platform/qt/accelerators.h"
#include "platform/qt/main_window.h"
#include "platform/qt/status_view.h"

namespace qel::qt {
namespace {

namespace r = resources;

constexpr std::array<r::MenuItem, 3> kFileItems{
    {{32776, u"新規コンテナを作成(&N)"}, {0, u""}, {105, u"ノルカの終了(&X)"}}};
constexpr std::array<r::MenuItem, 1> kHelpItems{{{104, u"バージョン情報(&A)..."}}};
constexpr std::array<r::Menu, 2> kMenus{
    {{u"ファイル(&F)", kFileItems}, {u"ヘルプ(&H)", kHelpItems}}};
constexpr std::array<r::Accelerator, 5> kAccelerators{{
    {0x12, '/', 104},
    {0x12, '?', 104},
    {0x0B, 'O', 32777},
    {0x0B, 'S', 32778},
    {0x8B, 'N', 32776},
}};

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

MainWindowParts parts() {
  return {QStringLiteral("ノルカ"), QStringLiteral("QELCONTAINER"), kMenus, kAccelerators};
}

TEST(MainWindow, MenuBarFollowsTheMenuResourceWithItsCommands) {
  RecordingHandler handler;
  MainWindow window(parts(), handler);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("ノルカ"));
  const QList<QAction*> menus = window.menuBar()->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0]->text(), QStringLiteral("ファイル(&F)"));  // the mnemonic stays marked
  const QList<QAction*> file = menus[0]->menu()->actions();
  ASSERT_EQ(file.size(), 3);
  EXPECT_EQ(file[0]->text(), QStringLiteral("新規コンテナを作成(&N)"));
  EXPECT_EQ(file[0]->data().toInt(), 32776);
  EXPECT_TRUE(file[1]->isSeparator());
  EXPECT_EQ(file[2]->data().toInt(), 105);
  for (QAction* item : file) EXPECT_TRUE(item->shortcut().isEmpty());  // no shortcut text shown

  menus[1]->menu()->actions()[0]->trigger();
  file[2]->trigger();
  EXPECT_EQ(handler.commands, (std::vector<int>{104, 105}));
}

TEST(MainWindow, AcceleratorsReachTheHandlerFromAnyWidgetOfTheWindow) {
  RecordingHandler handler;
  MainWindow window(parts(), handler);
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

TEST(Accelerators, MatchAsWindowsMatchesVirtualKeysAndCharacters) {
  const auto match = [](int key, Qt::KeyboardModifiers modifiers) {
    return matchAccelerator(kAccelerators, key, modifiers);
  };
  EXPECT_EQ(match(Qt::Key_N, Qt::ControlModifier), 32776);
  EXPECT_EQ(match(Qt::Key_N, Qt::ControlModifier | Qt::AltModifier), std::nullopt);
  EXPECT_EQ(match(Qt::Key_Slash, Qt::AltModifier | Qt::ShiftModifier),
            104);  // a character takes any Shift
  EXPECT_EQ(match(Qt::Key_Question, Qt::AltModifier), 104);
  EXPECT_EQ(match(Qt::Key_Slash, Qt::AltModifier | Qt::ControlModifier), std::nullopt);
  EXPECT_EQ(match(Qt::Key_Question, Qt::NoModifier), std::nullopt);

  constexpr std::array<r::Accelerator, 3> letters{
      {{0x00, 'a', 1}, {0x10, 'B', 2}, {0x01, 0x71, 3}}};
  EXPECT_EQ(matchAccelerator(letters, Qt::Key_A, Qt::NoModifier), 1);
  EXPECT_EQ(matchAccelerator(letters, Qt::Key_A, Qt::ShiftModifier), std::nullopt);
  EXPECT_EQ(matchAccelerator(letters, Qt::Key_B, Qt::AltModifier | Qt::ShiftModifier), 2);
  EXPECT_EQ(matchAccelerator(letters, Qt::Key_F2, Qt::NoModifier), 3);
}

TEST(MainWindow, CloseBoxDestroysOnceAndCommandsStopAfterwards) {
  RecordingHandler handler;
  MainWindow window(parts(), handler);
  window.show();
  window.close();
  EXPECT_EQ(handler.destroys, 1);
  EXPECT_FALSE(window.isVisible());
  window.destroy();
  EXPECT_EQ(handler.destroys, 1);
  QTest::keyClick(window.statusView(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_TRUE(handler.commands.empty());
}

TEST(MainWindow, RepaintPaintsBeforeReturning) {
  RecordingHandler handler;
  MainWindow window(parts(), handler);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const int before = handler.paints;
  window.repaintNow();
  EXPECT_EQ(handler.paints, before + 1);
}

}  // namespace
}  // namespace qel::qt
