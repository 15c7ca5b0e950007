#include "common/ui/fonts.h"

#include <QFontMetricsF>

#include <cmath>

namespace quorvil {

namespace {
// Installed faces from Debian's fonts-arphic-uming and fonts-arphic-ukai.
const QString kSong = QStringLiteral("AR PL UMing CN");
const QString kKai = QStringLiteral("AR PL UKai CN");

QFont make(const QString& family, double pointSize, bool bold) {
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}
}  // namespace

QString songFamily() { return kSong; }
QString kaiFamily() { return kKai; }

QFont songFont(double pointSize, bool bold) { return make(kSong, pointSize, bold); }
QFont kaiFont(double pointSize, bool bold) { return make(kKai, pointSize, bold); }

QFont designFont(const QString& name, double pointSize, bool bold) {
    if (name == QStringLiteral("宋体")) return songFont(pointSize, bold);
    if (name == QStringLiteral("楷体_GB2312")) return kaiFont(pointSize, bold);
    return make(name, pointSize, bold);
}

QString designBlanks(int count, const QFont& font) {
    const QFontMetricsF fm(font);
    const qreal blank = fm.horizontalAdvance(QLatin1Char(' '));
    const qreal designBlank = fm.horizontalAdvance(QLatin1Char('0'));
    const int n = blank > 0 ? int(std::ceil(count * designBlank / blank - 1e-6)) : count;
    return QString(n, QLatin1Char(' '));
}

}  // namespace quorvil
