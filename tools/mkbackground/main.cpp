// Draws the main window's background picture Kest.jpg: a dusk sky over a low horizon, a
// kestrel in flight and the product name.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "tools/artwork/kestrelshape.h"

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: mkbackground OUTPUT.jpg\n");
        return 2;
    }
    const int w = 1600;
    const int h = 1000;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0.0, QColor(18, 32, 58));
    sky.setColorAt(0.55, QColor(42, 72, 110));
    sky.setColorAt(0.80, QColor(196, 132, 84));
    sky.setColorAt(1.0, QColor(92, 58, 44));
    p.fillRect(image.rect(), sky);

    QRadialGradient sun(QPointF(w * 0.72, h * 0.80), h * 0.45);
    sun.setColorAt(0.0, QColor(255, 214, 150, 150));
    sun.setColorAt(1.0, QColor(255, 214, 150, 0));
    p.fillRect(image.rect(), sun);

    // A low ridge of hills on the horizon.
    QPainterPath hills;
    hills.moveTo(0, h);
    hills.lineTo(0, h * 0.86);
    hills.cubicTo(w * 0.18, h * 0.80, w * 0.32, h * 0.90, w * 0.50, h * 0.85);
    hills.cubicTo(w * 0.68, h * 0.80, w * 0.84, h * 0.88, w, h * 0.83);
    hills.lineTo(w, h);
    p.fillPath(hills, QColor(30, 28, 34));

    p.save();
    p.translate(w * 0.62, h * 0.17);
    p.rotate(-6);
    p.scale(2.0, 2.0);
    p.fillPath(kestrel::artwork::kestrelShape(), QColor(20, 22, 30, 230));
    p.restore();

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(120);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(245, 240, 228));
    p.drawText(QRect(110, 300, w - 220, 150), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kestrel 2019"));

    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(36);
    p.setFont(subtitle);
    p.setPen(QColor(214, 222, 236));
    p.drawText(QRect(116, 450, w - 220, 60), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Salaries  \u00b7  PAYE  \u00b7  Packages  \u00b7  Vehicles  \u00b7  Loans"));
    subtitle.setPixelSize(28);
    p.setFont(subtitle);
    p.setPen(QColor(186, 198, 218));
    p.drawText(QRect(116, 510, w - 220, 50), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Tax year 1 March 2018 to 28 February 2019"));
    p.end();

    if (!image.save(QString::fromLocal8Bit(argv[1]), "JPG", 88)) {
        std::fprintf(stderr, "mkbackground: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
