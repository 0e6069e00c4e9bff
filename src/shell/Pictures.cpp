#include "shell/Pictures.h"
#include "core/AllClass.h"
#include <QFont>
#include <QPainter>
#include <QPainterPath>

QPixmap BackgroundPicture() {
  QImage image(200, 150, QImage::Format_RGB888);
  const QColor ground(0xA8, 0xA8, 0xA8);
  image.fill(ground);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont font(QStringLiteral("Sans Serif"));
  font.setPixelSize(26);
  font.setBold(true);
  p.setFont(font);
  p.translate(100, 75);
  p.rotate(-30);
  const QString text = AppState.SeriesName.isEmpty() ? QStringLiteral("ZL-6405s") : AppState.SeriesName;
  const QRect box(-100, -20, 200, 40);
  // Embossed: a light edge up-left, a dark edge down-right, the ground colour on top.
  p.setPen(ground.lighter(125));
  p.drawText(box.translated(-1, -1), Qt::AlignCenter, text);
  p.setPen(ground.darker(140));
  p.drawText(box.translated(1, 1), Qt::AlignCenter, text);
  p.setPen(ground);
  p.drawText(box, Qt::AlignCenter, text);
  p.end();
  return QPixmap::fromImage(image);
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    // A handheld radio: antenna, body, display and keypad.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawRoundedRect(QRectF(38, 2, 6, 20), 3, 3);
    p.setBrush(QColor(0x1F, 0x4E, 0x8C));
    p.drawRoundedRect(QRectF(16, 16, 32, 46), 6, 6);
    p.setBrush(QColor(0xB8, 0xE0, 0xB0));
    p.drawRect(QRectF(21, 22, 22, 12));
    p.setBrush(QColor(0xE8, 0xE8, 0xE8));
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c) p.drawEllipse(QRectF(21 + c * 8, 39 + r * 7, 5, 5));
    p.end();
    icon.addPixmap(pm);
  }
  return icon;
}
