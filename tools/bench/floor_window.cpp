// The floor of the start-up benchmark: the least a Qt desktop program with a
// main window and a menu bar does before its window shows.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  QMenu* game = window.menuBar()->addMenu(QStringLiteral("&Game"));
  game->addAction(QStringLiteral("&New game"));
  game->addAction(QStringLiteral("&Exit"), &window, &QWidget::close);
  window.menuBar()->addMenu(QStringLiteral("&Help"));
  window.resize(635, 475);
  window.show();
  return app.exec();
}
