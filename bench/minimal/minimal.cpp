// One empty window and nothing else: what any Qt Widgets program pays to
// start, against which the game's start-up is measured.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("minimal"));
  window.resize(452, 259);  // the size of the game's main window
  window.show();
  return QApplication::exec();
}
