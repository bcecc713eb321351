// The peer of the desktop program's start-up time: the least a Qt Widgets program with a
// main window and a menu bar does before its window shows.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("minimal"));
  window.menuBar()->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("Exit"));
  window.resize(800, 360);
  window.show();
  return app.exec();
}
