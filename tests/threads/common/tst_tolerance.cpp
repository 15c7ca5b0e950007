// The band lookups: where a bound belongs under each convention, the
// precision of the comparison, and keys outside every band.
#include <QTest>

#include <cmath>
#include <limits>
#include <span>

#include "threads/common/tolerance.h"

using namespace quorvil;

namespace {
struct UpTo {
    double upTo;
    int id;
};
constexpr UpTo kUpTo[] = {{1.1, 0}, {2.2, 1}, {std::numeric_limits<double>::infinity(), 2}};

struct From {
    double from;
    int id;
};
constexpr From kFrom[] = {{-std::numeric_limits<double>::infinity(), 0}, {1.1, 1}, {2.2, 2}};

constexpr DiameterBand kBetween[] = {{1.1, 2.2}, {3.3, 4.4}};

template <class Key>
int upTo(Key x) {
    return bandUpTo(x, std::span<const UpTo>(kUpTo)).id;
}
template <class Key>
int from(Key x) {
    return bandFrom(x, std::span<const From>(kFrom)).id;
}
template <class Key>
int between(Key x) {
    return bandBetween(x, std::span<const DiameterBand>(kBetween)).value_or(-1);
}
}  // namespace

class TestTolerance : public QObject {
    Q_OBJECT
private slots:
    void boundsBelongToOneSide();
    void singlePrecisionKeysMeetRoundedBounds();
    void standardDiameterBands();
};

void TestTolerance::boundsBelongToOneSide() {
    // Closed at the top: the bound belongs to the band below, the last band
    // takes everything above.
    QCOMPARE(upTo(-5.0), 0);
    QCOMPARE(upTo(1.1), 0);
    QCOMPARE(upTo(std::nextafter(1.1, 2.0)), 1);
    QCOMPARE(upTo(1e300), 2);
    // Closed at the bottom: the bound belongs to the band above, the first
    // band takes everything below.
    QCOMPARE(from(-5.0), 0);
    QCOMPARE(from(std::nextafter(1.1, 0.0)), 0);
    QCOMPARE(from(1.1), 1);
    QCOMPARE(from(1e300), 2);
    // (lower, upper] with gaps: outside every band there is none.
    QCOMPARE(between(1.1), -1);
    QCOMPARE(between(2.2), 0);
    QCOMPARE(between(3.0), -1);
    QCOMPARE(between(4.4), 1);
    QCOMPARE(between(5.0), -1);
    QCOMPARE(between(std::numeric_limits<double>::quiet_NaN()), -1);
}

void TestTolerance::singlePrecisionKeysMeetRoundedBounds() {
    // 1.1f lies above the double 1.1: compared in double it would be past
    // the bound, compared with the bound rounded to float it is on it.
    QVERIFY(static_cast<double>(1.1f) > 1.1);
    QCOMPARE(upTo(1.1f), 0);
    QCOMPARE(upTo(static_cast<double>(1.1f)), 1);
    QCOMPARE(from(1.1f), 1);
    QCOMPARE(between(2.2f), 0);
    QCOMPARE(between(static_cast<double>(2.2f)), -1);
}

void TestTolerance::standardDiameterBands() {
    const auto band = [](double d) {
        return bandBetween(d, std::span<const DiameterBand>(kToleranceBands)).value_or(-1);
    };
    QCOMPARE(band(0.99), -1);
    QCOMPARE(band(1), 0);
    QCOMPARE(band(11.2), 3);
    QCOMPARE(band(11.3), 4);
    QCOMPARE(band(355), 8);
    QCOMPARE(band(356), -1);
}

QTEST_APPLESS_MAIN(TestTolerance)
#include "tst_tolerance.moc"
