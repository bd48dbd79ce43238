// Saves a picture of the console window for each page, for README and for review:
// escrivania-screenshots OUTPUT_FOLDER  (run with QT_QPA_PLATFORM=offscreen)
#include <QApplication>
#include <QDir>
#include <QStyleFactory>

#include "main_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  application.setStyle(QStyleFactory::create("Fusion"));
  if (argc != 2) return 2;
  const QDir out(QString::fromLocal8Bit(argv[1]));
  qtfront::MainWindow window(QCoreApplication::applicationFilePath());
  window.show();
  QApplication::processEvents();
  for (int i = 0; i < window.pageControl2()->count(); ++i) {
    window.pageControl2()->setCurrentIndex(i);
    QApplication::processEvents();
    const QString name = window.pageControl2()->page(i)->objectName();
    window.grab().save(out.filePath(QString("%1-%2.png").arg(i + 1, 2, 10, QChar('0')).arg(name)));
  }
  window.pageControl2()->setCurrentIndex(0);
  window.pageControl1()->setCurrentIndex(1);
  QApplication::processEvents();
  window.grab().save(out.filePath("contato.png"));
  return 0;
}
