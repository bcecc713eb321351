#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "frontends/qt/accelerators.h"
#include "frontends/qt/main_window.h"
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

MainWindowParts parts() {
  return {QStringLiteral("ノルカ"), QStringLiteral("QELCONTAINER"), r::findMenu(r::kMainMenu),
          r::findAccelerators(r::kAcceleratorTable)};
}

struct ItemSeen {
  QString caption;
  int command;  // 0 for a separator
  bool operator==(const ItemSeen&) const = default;
};

TEST(MainWindow, MenuBarFollowsTheMenuResourceWithItsCommands) {
  RecordingHandler handler;
  MainWindow window(parts(), handler);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("ノルカ"));
  const QList<QAction*> menus = window.menuBar()->actions();
  ASSERT_EQ(menus.size(), 3);
  // Qt marks mnemonics with "&" as the resources do.
  EXPECT_EQ(menus[0]->text(), QStringLiteral("ファイル(&F)"));
  EXPECT_EQ(menus[1]->text(), QStringLiteral("設定(&S)"));
  EXPECT_EQ(menus[2]->text(), QStringLiteral("ヘルプ(&H)"));

  std::vector<std::vector<ItemSeen>> seen;
  for (QAction* menu : menus) {
    seen.emplace_back();
    for (QAction* item : menu->menu()->actions()) {
      seen.back().push_back({item->text(), item->isSeparator() ? 0 : item->data().toInt()});
      EXPECT_TRUE(item->shortcut().isEmpty());  // the captions carry no shortcut text
    }
  }
  const std::vector<std::vector<ItemSeen>> expected{
      {{QStringLiteral("新規コンテナを作成(&N)"), 32776},
       {QStringLiteral("コンテナを開く(&O)"), 32777},
       {QString(), 0},
       {QStringLiteral("コンテナを保存(&S)"), 32778},
       {QString(), 0},
       {QStringLiteral("工房の設定"), 32775},
       {QString(), 0},
       {QStringLiteral("ノルカの終了(&X)"), 105}},
      {{QStringLiteral("コンテナ名を設定"), 32791},
       {QStringLiteral("パラメータを設定"), 32792},
       {QStringLiteral("モデルを設定"), 32781},
       {QStringLiteral("テクスチャーを設定"), 32782},
       {QStringLiteral("サイドビューを設定"), 32793},
       {QString(), 0},
       {QStringLiteral("テクスチャーを保存"), 32786},
       {QStringLiteral("サイドビューを保存"), 32794}},
      {{QStringLiteral("バージョン情報(&A)..."), 104}}};
  EXPECT_EQ(seen, expected);

  // Triggering an item hands its identifier over.
  for (QAction* menu : menus) {
    for (QAction* item : menu->menu()->actions()) {
      if (!item->isSeparator()) item->trigger();
    }
  }
  EXPECT_EQ(handler.commands, (std::vector<int>{32776, 32777, 32778, 32775, 105, 32791, 32792,
                                                32781, 32782, 32793, 32786, 32794, 104}));
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
