// Draws the program icon kestrel2019.png: the kestrel on a rounded dusk-blue tile.
#include "tools/artwork/kestrelshape.h"

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: mkicon OUTPUT.png [SIZE]\n");
        return 2;
    }
    const int size = argc > 2 ? std::atoi(argv[2]) : 256;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 256.0;
    QLinearGradient tile(0, 0, 0, size);
    tile.setColorAt(0.0, QColor(42, 72, 110));
    tile.setColorAt(0.7, QColor(28, 46, 74));
    tile.setColorAt(1.0, QColor(196, 132, 84));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(8 * s, 8 * s, 240 * s, 240 * s), 44 * s, 44 * s);
    p.translate(128 * s, 132 * s);
    p.scale(0.86 * s, 0.86 * s);
    p.translate(-120, -66);
    p.fillPath(kestrel::artwork::kestrelShape(), QColor(245, 240, 228));
    p.end();
    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "mkicon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
