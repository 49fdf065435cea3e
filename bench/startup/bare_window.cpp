// The yardstick of start-up time: the smallest Qt program that shows a top-level window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("bare"));
  window.resize(640, 360);
  window.show();
  return app.exec();
}
