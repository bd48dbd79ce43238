// The console's program entry on Linux: Qt 6 Widgets.
#include <QApplication>
#include <QStyleFactory>

#include "main_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  application.setStyle(QStyleFactory::create("Fusion"));
  qtfront::MainWindow window(QCoreApplication::applicationFilePath());
  window.show();
  return application.exec();
}
