// Saves a picture of the console window for each page, for README and for review:
// escrivania-screenshots OUTPUT_FOLDER  (run with QT_QPA_PLATFORM=offscreen)
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QPainter>
#include <QStyleFactory>
#include <QTimer>

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

  // The right-click menu, drawn over the window where it opens.
  window.pageControl1()->setCurrentIndex(0);
  const QPoint at(300, 500);
  QTimer::singleShot(200, [&] {
    if (QWidget* menu = QApplication::activePopupWidget()) {
      QPixmap picture = window.grab();
      QPainter painter(&picture);
      painter.drawPixmap(window.mapFromGlobal(menu->pos()), menu->grab());
      painter.end();
      picture.save(out.filePath("menu.png"));
      menu->close();
    }
  });
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, window.mapToGlobal(at));
  QApplication::sendEvent(&window, &event);
  return 0;
}
