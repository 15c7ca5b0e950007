#include "common/ui/fonts.h"

#include <QFontMetricsF>

#include <cmath>

namespace quorvil {

namespace {
// Debian's fonts-liberation2: a serif with Times metrics, whose digits are
// half an em wide like the half-width digits the design's boxes were sized
// for. It is the Latin face of the Kai font too: Kai has no Latin of its
// own worth showing, a serif sits better beside the brush strokes than a
// sans, and the same digit width keeps the Kai labels' room as designed.
const QString kLatin = QStringLiteral("Liberation Serif");
// Debian's fonts-arphic-uming and fonts-arphic-ukai.
const QString kSong = QStringLiteral("AR PL UMing CN");
const QString kKai = QStringLiteral("AR PL UKai CN");

// Qt keeps one drawing engine per first family and style, whatever families
// follow: fonts with the same Latin face in front would all draw their
// Chinese in the face of whichever was drawn first. The Kai font therefore
// also differs from the Song font in its style hint (which matters only to
// the choice of faces for characters that neither face has).
QFont make(const QStringList& families, double pointSize, bool bold, QFont::StyleHint hint) {
    QFont f;
    f.setFamilies(families);
    f.setStyleHint(hint);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}
}  // namespace

QStringList songFamilies() { return {kLatin, kSong}; }
QStringList kaiFamilies() { return {kLatin, kKai}; }

QFont songFont(double pointSize, bool bold) { return make(songFamilies(), pointSize, bold, QFont::AnyStyle); }
QFont kaiFont(double pointSize, bool bold) { return make(kaiFamilies(), pointSize, bold, QFont::Cursive); }

void registerDesignFontNames() {
    QFont::insertSubstitutions(QStringLiteral("宋体"), songFamilies());
    QFont::insertSubstitutions(QStringLiteral("楷体_GB2312"), kaiFamilies());
}

QString designBlanks(int count, const QFont& font) {
    const QFontMetricsF fm(font);
    const qreal blank = fm.horizontalAdvance(QLatin1Char(' '));
    const qreal designBlank = fm.horizontalAdvance(QLatin1Char('0'));
    const int n = blank > 0 ? int(std::ceil(count * designBlank / blank - 1e-6)) : count;
    return QString(n, QLatin1Char(' '));
}

}  // namespace quorvil
