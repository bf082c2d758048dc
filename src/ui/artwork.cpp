#include "ui/artwork.h"

#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace pw::artwork {

namespace {

const QColor kNavy(0x1d, 0x2b, 0x53);
const QColor kCream(0xf6, 0xee, 0xd9);
const QColor kBrass(0xc8, 0x9b, 0x3c);
const QColor kRed(0xb0, 0x30, 0x2a);

// A clock face of radius r centred at c, showing ten past ten.
void drawClock(QPainter &p, QPointF c, qreal r, bool numerals)
{
    p.setPen(QPen(kBrass, r * 0.06));
    p.setBrush(kCream);
    p.drawEllipse(c, r, r);
    for (int i = 0; i < 60; ++i) {
        const qreal a = qDegreesToRadians(i * 6.0);
        const bool hour = i % 5 == 0;
        const qreal inner = r * (hour ? 0.80 : 0.88);
        p.setPen(QPen(kNavy, hour ? r * 0.035 : r * 0.012, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(c.x() + inner * qSin(a), c.y() - inner * qCos(a)),
                   QPointF(c.x() + r * 0.93 * qSin(a), c.y() - r * 0.93 * qCos(a)));
    }
    if (numerals) {
        QFont f(QStringLiteral("DejaVu Serif"));
        f.setPixelSize(int(r * 0.13));
        f.setBold(true);
        p.setFont(f);
        p.setPen(kNavy);
        for (int h = 1; h <= 12; ++h) {
            const qreal a = qDegreesToRadians(h * 30.0);
            const QPointF at(c.x() + r * 0.66 * qSin(a), c.y() - r * 0.66 * qCos(a));
            p.drawText(QRectF(at.x() - r * 0.12, at.y() - r * 0.09, r * 0.24, r * 0.18), Qt::AlignCenter,
                       QString::number(h));
        }
    }
    auto hand = [&](qreal degrees, qreal length, qreal width, const QColor &colour) {
        const qreal a = qDegreesToRadians(degrees);
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c, QPointF(c.x() + length * qSin(a), c.y() - length * qCos(a)));
    };
    hand(10 * 30 + 5, r * 0.45, r * 0.07, kNavy); // hour hand, ten o'clock and a bit
    hand(2 * 30, r * 0.72, r * 0.045, kNavy);     // minute hand at ten past
    hand(200, r * 0.8, r * 0.015, kRed);          // second hand
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(c, r * 0.05, r * 0.05);
}

} // namespace

QPixmap splash()
{
    QPixmap pm(340, 243);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 243);
    sky.setColorAt(0, kNavy.lighter(130));
    sky.setColorAt(1, kNavy);
    p.fillRect(pm.rect(), sky);
    // Part of a large clock face rising from the lower left corner.
    drawClock(p, QPointF(70, 250), 190, true);
    // The program's name on a brass plate.
    const QRectF plate(150, 24, 176, 62);
    p.setPen(QPen(kBrass.darker(130), 2));
    p.setBrush(kBrass);
    p.drawRoundedRect(plate, 8, 8);
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(32);
    f.setBold(true);
    p.setFont(f);
    p.setPen(kNavy);
    p.drawText(plate, Qt::AlignCenter, QStringLiteral("Punchwell"));
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(12);
    p.setFont(small);
    p.setPen(kCream);
    p.drawText(QRectF(150, 90, 176, 20), Qt::AlignCenter,
               QCoreApplication::translate("pw::artwork", "the company time clock"));
    return pm;
}

QPixmap iconPixmap(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    drawClock(p, QPointF(size / 2.0, size / 2.0), size * 0.46, false);
    return pm;
}

QIcon icon()
{
    QIcon i;
    for (int s : {16, 24, 32, 48, 64, 128})
        i.addPixmap(iconPixmap(s));
    return i;
}

} // namespace pw::artwork
