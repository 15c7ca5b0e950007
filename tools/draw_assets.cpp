// Draws the program's pictures: the 32x32 16-colour window icon (PNG) and the
// 800x525 lotus-pond photograph stand-in of the main window (JPEG). The main
// window reads both at every start, so they are also stored as raw pixels in
// the form it shows them: the icon as RGBA bytes, and the photograph decoded
// and smoothly scaled to its 375x243 pixel frame as RGB bytes, rows top down.
// No image decoder (nor its plugins) is loaded and nothing is scaled at start.
// Run it once with the assets folder as argument; the outputs are committed.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>

namespace {

void drawLotus(QPainter& p, QPointF c, double r) {
    // Petals fanning out of the centre, back row darker.
    for (int row = 0; row < 2; ++row) {
        const double len = r * (row == 0 ? 1.0 : 0.75);
        const QColor col = row == 0 ? QColor(214, 92, 140) : QColor(246, 168, 196);
        for (int i = -3; i <= 3; ++i) {
            const double a = (-90 + i * (row == 0 ? 24 : 20)) * M_PI / 180.0;
            QPainterPath petal;
            const QPointF tip = c + QPointF(std::cos(a) * len, std::sin(a) * len);
            const QPointF side(std::cos(a + M_PI / 2) * len * 0.28, std::sin(a + M_PI / 2) * len * 0.28);
            petal.moveTo(c);
            petal.quadTo(c + (tip - c) * 0.5 + side, tip);
            petal.quadTo(c + (tip - c) * 0.5 - side, c);
            QLinearGradient g(c, tip);
            g.setColorAt(0, QColor(255, 236, 240));
            g.setColorAt(1, col);
            p.setBrush(g);
            p.setPen(QPen(col.darker(130), 1));
            p.drawPath(petal);
        }
    }
    p.setBrush(QColor(240, 200, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(c + QPointF(0, -r * 0.12), r * 0.16, r * 0.1);
}

void drawPad(QPainter& p, QPointF c, double rx, double ry, QRandomGenerator& rnd) {
    QRadialGradient g(c, rx);
    g.setColorAt(0, QColor(110, 170, 70));
    g.setColorAt(1, QColor(40 + rnd.bounded(30), 110 + rnd.bounded(30), 45));
    p.setBrush(g);
    p.setPen(QPen(QColor(30, 80, 30), 1.2));
    const double notch = rnd.bounded(360);
    p.drawPie(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry), int((notch + 20) * 16), int(320 * 16));
    p.setPen(QPen(QColor(60, 120, 50), 1));
    for (int i = 0; i < 7; ++i) {
        const double a = (notch + 40 + i * 45) * M_PI / 180.0;
        p.drawLine(c, c + QPointF(std::cos(a) * rx * 0.85, -std::sin(a) * ry * 0.85));
    }
}

QImage lotusPond() {
    QImage img(800, 525, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient water(0, 0, 0, 525);
    water.setColorAt(0, QColor(70, 110, 120));
    water.setColorAt(1, QColor(20, 55, 70));
    p.fillRect(img.rect(), water);
    QRandomGenerator rnd(20091215);
    p.setPen(QPen(QColor(150, 190, 200, 90), 1.5));
    for (int i = 0; i < 60; ++i) {
        const double x = rnd.bounded(800), y = rnd.bounded(525), w = 30 + rnd.bounded(90);
        p.drawArc(QRectF(x, y, w, w / 6), 0, 180 * 16);
    }
    for (int i = 0; i < 26; ++i) {
        const double x = rnd.bounded(820) - 10, y = 60 + rnd.bounded(480);
        const double rx = 35 + rnd.bounded(45);
        drawPad(p, {x, y}, rx, rx * 0.45, rnd);
    }
    p.setPen(QPen(QColor(60, 110, 50), 3));
    const QPointF flowers[] = {{180, 210}, {430, 150}, {640, 260}, {300, 380}};
    const double sizes[] = {70, 85, 65, 55};
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(QColor(60, 110, 50), 3));
        p.drawLine(flowers[i], flowers[i] + QPointF(8, 120));
        drawLotus(p, flowers[i], sizes[i]);
    }
    return img;
}

// A thread in profile over a blue disc, reduced to 16 colours.
QImage icon() {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 0, 160));
    p.setPen(Qt::NoPen);
    p.drawEllipse(1, 1, 30, 30);
    p.setPen(QPen(Qt::white, 2));
    QPainterPath saw;
    saw.moveTo(5, 20);
    for (int i = 0; i < 5; ++i) {
        saw.lineTo(7.5 + i * 5, 11);
        saw.lineTo(10 + i * 5, 20);
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(saw);
    p.setPen(QPen(QColor(255, 255, 0), 2));
    p.drawLine(5, 24, 27, 24);
    p.end();
    // The sixteen colours of the classic palette, plus transparency.
    const QList<QRgb> palette = {qRgba(0, 0, 0, 0),   qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),
                                 qRgb(128, 128, 0),   qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128),
                                 qRgb(192, 192, 192), qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),
                                 qRgb(255, 255, 0),   qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255),
                                 qRgb(255, 255, 255)};
    return img.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither | Qt::AvoidDither);
}

// Writes the pixels of `image` in `format`, row after row, nothing else.
bool saveRaw(const QImage& image, QImage::Format format, const QString& path) {
    const QImage converted = image.convertToFormat(format);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const qsizetype rowBytes = converted.width() * converted.depth() / 8;
    for (int y = 0; y < converted.height(); ++y) {
        const auto* row = reinterpret_cast<const char*>(converted.constScanLine(y));
        if (file.write(row, rowBytes) != rowBytes) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString jpeg = dir + QStringLiteral("/lotus.jpg");
    const QString png = dir + QStringLiteral("/quorvil.png");
    bool ok = lotusPond().save(jpeg, "JPEG", 85) && icon().save(png, "PNG");
    // What the picture frame (5625 x 3645 twips) makes of the photograph, and
    // the icon as read back: the pixels the window has always shown.
    const QImage decoded(jpeg);
    const QImage shown = decoded.scaled(QSize(375, 243), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    ok = ok && !decoded.isNull() && saveRaw(shown, QImage::Format_RGB888, dir + QStringLiteral("/lotus-shown.rgb"));
    ok = ok && saveRaw(QImage(png), QImage::Format_RGBA8888, dir + QStringLiteral("/quorvil-icon.rgba"));
    return ok ? 0 : 1;
}
