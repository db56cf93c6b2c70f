#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel placeholder("ZOR");
  placeholder.show();
  return app.exec();
}
