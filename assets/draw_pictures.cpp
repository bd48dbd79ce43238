#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  {  // emblem bearing the word SPED, 128x91
    QImage img(128, 91, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 128, 91);
    g.setColorAt(0, QColor(0, 122, 61));
    g.setColorAt(1, QColor(0, 80, 40));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(4, 8, 120, 75), 14, 14);
    p.setBrush(QColor(255, 204, 0));
    p.drawEllipse(QPointF(100, 22), 10, 10);
    QFont f("Liberation Sans");
    f.setPixelSize(38);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(4, 14, 120, 64), Qt::AlignCenter, "SPED");
    p.end();
    img.save("emblema.jpg", "JPG", 92);
  }
  {  // our logo, 259x158
    QImage img(259, 158, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 60, 120), 3));
    p.setBrush(QColor(235, 241, 250));
    p.drawRoundedRect(QRectF(6, 6, 247, 146), 18, 18);
    // a quill over a ruled sheet
    p.setPen(QPen(QColor(150, 170, 200), 2));
    for (int y = 40; y <= 100; y += 15) p.drawLine(30, y, 100, y);
    p.setPen(QPen(QColor(30, 60, 120), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(40, 110, 105, 30);
    QFont f("Liberation Sans");
    f.setPixelSize(25);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(30, 60, 120));
    p.drawText(QRectF(104, 40, 140, 40), Qt::AlignLeft | Qt::AlignVCenter, "Escrivania");
    f.setPixelSize(15);
    f.setBold(false);
    p.setFont(f);
    p.setPen(QColor(80, 80, 80));
    p.drawText(QRectF(106, 80, 140, 24), Qt::AlignLeft | Qt::AlignVCenter, "livre e aberta");
    p.end();
    img.save("logo.jpg", "JPG", 92);
  }
  {  // open yellow folder, 16x16 normal + 16x16 disabled, 16 colours
    QImage img(32, 16, QImage::Format_RGB32);
    img.fill(QColor(0, 128, 128));  // transparent colour: the lower-left pixel's
    QPainter p(&img);
    for (int half = 0; half < 2; ++half) {
      const int x = half * 16;
      QColor edge = half ? QColor(128, 128, 128) : QColor(128, 128, 0);
      QColor fill = half ? QColor(192, 192, 192) : QColor(255, 255, 0);
      p.setPen(edge);
      p.setBrush(fill);
      p.drawRect(x + 1, 4, 10, 9);  // back of the folder
      p.drawRect(x + 1, 3, 4, 1);   // tab
      QPolygon front({QPoint(x + 3, 7), QPoint(x + 15, 7), QPoint(x + 12, 13), QPoint(x + 1, 13)});
      p.drawPolygon(front);
    }
    p.end();
    img.convertToFormat(QImage::Format_Indexed8).save("pasta.bmp", "BMP");
  }
}
