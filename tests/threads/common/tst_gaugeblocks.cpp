// The thread plug gauge blocks computed without a window: the inch block of
// the unified (60°) and ACME (29°) windows, each from its limits as the boxes
// show them, and the metric block of the metric thread window. The expected
// texts are what the windows show for the same inputs, field by field; "--"
// where a field has no value.
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <limits>

#include "common/numtext.h"
#include "texttest.h"
#include "threads/acme/acmelimits.h"
#include "threads/common/inchentry.h"
#include "threads/common/inchgauge.h"
#include "threads/metric/gaugeblock.h"
#include "threads/unified/unified.h"

using namespace quorvil;
using namespace quorvil::test;

namespace {

// "1.5" as a value, "" as none.
std::optional<double> optionalNumber(const QString& text) {
    if (text.isEmpty()) return std::nullopt;
    return text.toDouble();
}

QString fixed(const std::optional<double>& v, Pattern p) { return v ? shown(*v, p) : QStringLiteral("--"); }

// Every field of the block as its box shows it: millimetres with three
// decimals, thread lengths whole; the ACME GO major diameter keeps the plain
// text as written.
QMap<QString, QString> texts(const inch::ThreadMValues& m, const inch::GaugeBlock& g, bool goMajorPlain) {
    const Pattern mm = inch::kMmPattern;
    return {
        {"threadM", fixed(m.preferred, mm)},
        {"threadMSecond", fixed(m.second, mm)},
        {"goLength", fixed(g.goLength, Pattern::Fixed0)},
        {"noGoLength", fixed(g.noGoLength, Pattern::Fixed0)},
        {"goMajor", goMajorPlain ? plain(g.goMajor) : fixed(g.goMajor, mm)},
        {"noGoMajor", fixed(g.noGoMajor, mm)},
        {"majorTolerance", fixed(g.majorToleranceMm, mm)},
        {"goPitch", fixed(g.goPitch, mm)},
        {"noGoPitch", fixed(g.noGoPitch, mm)},
        {"minor", fixed(g.minor, mm)},
        {"goM", fixed(g.goM, mm)},
        {"noGoM", fixed(g.noGoM, mm)},
        {"goWearM", fixed(g.goWearM, mm)},
        {"noGoWearM", fixed(g.noGoWearM, mm)},
    };
}

// Each "field=text" of `expected` that `got` does not show, or "" when all
// hold.
QString missesOf(const QMap<QString, QString>& got, const QString& expected) {
    QStringList misses;
    for (const QString& e : expected.split(u' ')) {
        const QString field = e.section(u'=', 0, 0), want = e.section(u'=', 1);
        const QString shown = got.value(field, QStringLiteral("(no such field)"));
        if (shown != want) misses << QStringLiteral("%1: got %2, want %3").arg(field, shown, want);
    }
    return misses.join(QStringLiteral("; "));
}

}  // namespace

class TestGaugeBlocks : public QObject {
    Q_OBJECT
private slots:
    void inchBlock_data();
    void inchBlock();
    void wireTooLarge();
    void metricBlock_data();
    void metricBlock();
    void metricBasicSizes();
};

// A row: the window, the class (1-3: 1A-3A, or 2G-4G), the size as typed
// (whole-numerator/denominator), the threads per inch, and the preferred
// wire, second wire and NO-GO tolerance as their boxes show them.
void TestGaugeBlocks::inchBlock_data() {
    QTest::addColumn<bool>("acme");
    QTest::addColumn<int>("cls");
    QTest::addColumn<QString>("size");
    QTest::addColumn<double>("n");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("unified 1-8 1A")
        << false << 1 << "1-0/0" << 8.0 << "1.833,2.020,0.020"
        << "threadM=26.036 threadMSecond=26.597 goLength=25 noGoLength=16 goMajor=25.146 majorTolerance=0.051 "
           "goPitch=23.338 goM=26.087 goWearM=26.051 minor=22.352 noGoMajor=24.555 noGoPitch=23.673 noGoM=26.422 "
           "noGoWearM=26.366";
    // The maximum major diameter is the 7-digit D; the minor limit shows four
    // decimals.
    QTest::newRow("unified 1-8 3A")
        << false << 3 << "1-0/0" << 8.0 << "1.833,2.020,0.020"
        << "threadM=26.087 threadMSecond=26.648 goMajor=25.146 goPitch=23.338 goM=26.087 goWearM=26.064 "
           "minor=22.090 noGoMajor=24.606 noGoPitch=23.505 noGoM=26.255 noGoWearM=26.211";
    // No gauge tolerance row for 20 and none kept: no NO-GO wear limit.
    QTest::newRow("unified 1/4-20 2A")
        << false << 2 << "0-1/4" << 20.0 << "0.786,0.866,"
        << "threadM=6.753 threadMSecond=6.993 goLength=10 noGoLength=6 goMajor=6.223 majorTolerance=0.025 "
           "goPitch=5.525 goM=6.783 goWearM=6.760 minor=5.004 noGoMajor=6.002 noGoPitch=5.657 noGoM=6.915 "
           "noGoWearM=--";
    QTest::newRow("unified 19/100-32 3A: D in single precision")
        << false << 3 << "0-19/100" << 32.0 << "0.511,0.572,0.015"
        << "threadM=5.156 threadMSecond=5.339 goMajor=4.699 goPitch=4.310 goM=5.156 goWearM=5.143 minor=3.858 "
           "noGoMajor=4.628 noGoPitch=4.389 noGoM=5.235 noGoWearM=5.207";
    // The wear key 0.315 as shown lies in (0.2, 0.315], its unrounded
    // 0.31528 in the band above.
    QTest::newRow("unified 23/32-8 1A: wear key as shown")
        << false << 1 << "0-23/32" << 8.0 << "1.833,2.020,0.020"
        << "goPitch=16.195 goM=18.944 goWearM=18.916 noGoPitch=16.510 noGoM=19.259 noGoWearM=19.211";
    // A NO-GO tolerance the user typed where the table has no row.
    QTest::newRow("unified 1-4.5 2A: typed NO-GO tolerance")
        << false << 2 << "1-0/0" << 4.5 << "3.287,3.310,0.020"
        << "threadM=26.653 threadMSecond=26.722 goLength=45 noGoLength=28 goPitch=21.735 goM=26.708 "
           "goWearM=26.680 minor=19.939 noGoMajor=23.936 noGoPitch=21.966 noGoM=26.939 noGoWearM=26.891";
    // D is written as its 7-digit text "1.23455", which shows 1.2346: the
    // binary single lies just below the half.
    QTest::newRow("unified 1.23455-8 3A: the major diameter's text")
        << false << 3 << "1.23455-0/0" << 8.0 << "1.833,2.020,0.020"
        << "goMajor=31.104 noGoMajor=30.565 goPitch=29.296 goM=32.046 noGoPitch=29.469 noGoM=32.218";
    QTest::newRow("unified 6-4 1A")
        << false << 1 << "6-0/0" << 4.0 << "3.666,4.091,0.028"
        << "threadM=153.680 threadMSecond=154.955 goLength=51 noGoLength=32 goMajor=152.146 goPitch=148.275 "
           "goM=153.774 goWearM=153.730 minor=146.228 noGoMajor=150.719 noGoPitch=148.887 noGoM=154.386 "
           "noGoWearM=154.314";

    QTest::newRow("ACME 1-5 2G")
        << true << 2 << "1-0/0" << 5.0 << "2.595,2.886,0.025"
        << "threadM=25.795 threadMSecond=27.248 goLength=41 noGoLength=25 goMajor=25.654 majorTolerance=0.051 "
           "goPitch=22.860 goM=25.998 goWearM=25.962 minor=20.066 noGoMajor=24.130 noGoPitch=23.353 "
           "noGoM=26.491 noGoWearM=26.430";
    // The wear key is the class's own pitch-diameter tolerance: 0.230 in 3G
    // and 0.164 in 4G, each in another band than 2G's 0.493.
    QTest::newRow("ACME 1-5 3G: the class's wear key")
        << true << 3 << "1-0/0" << 5.0 << "2.595,2.886,0.020"
        << "threadM=25.845 threadMSecond=27.299 goMajor=25.654 goPitch=22.860 goM=25.998 goWearM=25.970 "
           "noGoPitch=23.091 noGoM=26.229 noGoWearM=26.181";
    QTest::newRow("ACME 1-5 4G: the class's wear key")
        << true << 4 << "1-0/0" << 5.0 << "2.595,2.886,0.020"
        << "threadM=25.896 threadMSecond=27.349 goPitch=22.860 goM=25.998 goWearM=25.975 noGoPitch=23.025 "
           "noGoM=26.163 noGoWearM=26.120";
    // The wear key as shown, 0.200, lies in (0.125, 0.2]; unrounded,
    // 0.20004, it would lie in the band above.
    QTest::newRow("ACME 1-7/8-12 3G: wear key as shown")
        << true << 3 << "1-7/8" << 12.0 << "1.157,1.047,0.015"
        << "threadM=48.044 threadMSecond=47.494 goLength=17 noGoLength=11 goMajor=47.752 majorTolerance=0.025 "
           "goPitch=46.566 goM=48.252 goWearM=48.229 minor=45.255 noGoMajor=47.096 noGoPitch=46.766 "
           "noGoM=48.452 noGoWearM=48.414";
    // 0.080 as shown against 0.0803 unrounded; the GO major diameter is the
    // plain text of the value.
    QTest::newRow("ACME 7/64-16 4G: wear key as shown")
        << true << 4 << "0-7/64" << 16.0 << "0.866,0.796,0.013"
        << "threadM=3.206 threadMSecond=2.857 goMajor=2.90576 goPitch=1.984 goM=3.240 goWearM=3.227 minor=0.937 "
           "noGoMajor=2.382 noGoPitch=2.065 noGoM=3.321 noGoWearM=3.295";
    // Both single limits are written as 7-digit texts (1.23455 and 1.25455),
    // which show 1.2346 and 1.2546.
    QTest::newRow("ACME 1.23455-8 2G: the single limits' texts")
        << true << 2 << "1.23455-0/0" << 8.0 << "1.732,1.591,0.020"
        << "goMajor=31.61284 noGoMajor=30.565 goPitch=29.769 goM=32.280 goWearM=32.244 minor=27.927 "
           "noGoPitch=30.208 noGoM=32.719 noGoWearM=32.663";
    // The key 0.880 lies above every band: no wear allowance, so the wear
    // limits have no M value, though the gauges have.
    QTest::newRow("ACME 5-2 2G: no band, no second wire")
        << true << 2 << "5-0/0" << 2.0 << "4.4,,0.038"
        << "threadM=117.615 threadMSecond=-- goLength=102 noGoLength=64 goMajor=127.254 goPitch=120.650 "
           "goM=118.069 goWearM=-- minor=114.046 noGoMajor=123.825 noGoPitch=121.529 noGoM=118.948 "
           "noGoWearM=--";
    // The gauge allowances are fine above 10 threads per inch, the crest
    // clearance only from 12; no wire, no tolerance kept.
    QTest::newRow("ACME 1-11 2G: nothing kept")
        << true << 2 << "1-0/0" << 11.0 << ",,"
        << "threadM=-- threadMSecond=-- goMajor=25.781 majorTolerance=0.025 goLength=18 noGoLength=12 "
           "goPitch=24.244 goM=-- goWearM=-- minor=22.837 noGoMajor=24.823 noGoPitch=24.628 noGoM=-- "
           "noGoWearM=--";
    QTest::newRow("ACME 1/4-32 4G: typed wire")
        << true << 4 << "0-1/4" << 32.0 << "0.866,,0.013"
        << "threadM=8.693 threadMSecond=-- goMajor=6.477 goPitch=5.954 goM=8.744 goWearM=8.731 minor=5.304 "
           "noGoMajor=6.152 noGoPitch=6.022 noGoM=8.812 noGoWearM=8.786";
}

void TestGaugeBlocks::inchBlock() {
    QFETCH(bool, acme);
    QFETCH(int, cls);
    QFETCH(QString, size);
    QFETCH(double, n);
    QFETCH(QString, boxes);
    QFETCH(QString, expected);
    const QStringList w = size.split(QRegularExpression(QStringLiteral("[-/]")));
    const std::optional<float> D = inch::nominalSingle({w[0].toDouble(), w[1].toDouble(), w[2].toDouble()});
    QVERIFY(D);
    const QStringList kept = boxes.split(u',');
    const std::optional<double> preferred = optionalNumber(kept[0]), second = optionalNumber(kept[1]),
                                noGoTol = optionalNumber(kept[2]);

    QMap<QString, QString> got;
    if (acme) {
        const auto c = cls == 2 ? acme::AcmeClass::G2 : cls == 3 ? acme::AcmeClass::G3 : acme::AcmeClass::G4;
        const acme::ClassConstants& k = acme::classConstants(c);
        const acme::ExternalLimits e = acme::externalLimits(*D, n, k);
        const acme::InternalLimits i = acme::internalLimits(*D, n, k);
        got = texts(acme::threadMValues(*D, n, k, preferred, second), acme::gaugeBlock(c, n, e, i, preferred, noGoTol),
                    true);
    } else {
        const auto c = static_cast<unified::ThreadClass>(cls - 1);
        const auto nf = static_cast<float>(n);
        const std::optional<float> T = unified::baseTolerance(*D, nf, unified::lengthOfEngagement(nf, *D));
        QVERIFY(T);
        const unified::Limits L = unified::limits(c, *D, nf, *T);
        got = texts(unified::threadMValues(c, *D, nf, *T, preferred, second),
                    unified::gaugeBlock(c, nf, L, preferred, noGoTol), false);
    }
    const QString misses = missesOf(got, expected);
    QVERIFY2(misses.isEmpty(), qPrintable(misses));
}

// Over a wire so large that no M value is finite, every M value over it is
// not finite (the window refuses at the wire box); one without its wire, or
// the NO-GO wear limit without a tolerance, has none.
void TestGaugeBlocks::wireTooLarge() {
    const double huge = 1e308;
    const inch::ThreadMValues m = acme::threadMValues(1.0f, 5, acme::kClass2G, huge, std::nullopt);
    QVERIFY(m.preferred && std::isinf(*m.preferred));
    QVERIFY(!m.second);
    const acme::ExternalLimits e = acme::externalLimits(1.0f, 5, acme::kClass2G);
    const acme::InternalLimits i = acme::internalLimits(1.0f, 5, acme::kClass2G);
    const inch::GaugeBlock g = acme::gaugeBlock(acme::AcmeClass::G2, 5, e, i, huge, std::nullopt);
    for (const inch::MValue& v : {g.goM, g.noGoM, g.goWearM}) QVERIFY(v && std::isinf(*v));
    QVERIFY(!g.noGoWearM);
    QCOMPARE(fixed(g.goPitch, inch::kMmPattern), QStringLiteral("22.860"));
}

// A row: d x p, the pitch-diameter tolerance and the two wires as their
// boxes show them. The GO major size, the deviations and the wear limits
// are written as plain text; the NO-GO major size, the pitch sizes and the
// M values show three decimals.
void TestGaugeBlocks::metricBlock_data() {
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("p");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QString>("expected");
    const QString none =
        "goMajor=-- goMajorDev=-- goPitch=-- goPitchDev=-- goM1=-- goM2=-- goWear=-- noGoMajor=-- noGoMajorDev=-- "
        "noGoPitch=-- noGoPitchDev=-- noGoM1=-- noGoM2=-- noGoWear=--";
    // The wear limit starts from the pitch size as shown, 9.043, not 9.04322.
    QTest::newRow("M10x1.5 5H") << 10.0 << 1.5 << "0.140,0.866,1.008"
                                << "goMajor=10.023 goMajorDev=-0.022 goPitch=9.043 goPitchDev=-0.011 goM1=10.343 "
                                   "goM2=10.769 goWear=9.02 noGoMajor=9.482 noGoMajorDev=-0.022 noGoPitch=9.177 "
                                   "noGoPitchDev=-0.011 noGoM1=10.476 noGoM2=10.902 noGoWear=9.154";
    QTest::newRow("M10x1.5 7H") << 10.0 << 1.5 << "0.224,0.866,1.008"
                                << "goMajor=10.03 goMajorDev=-0.028 goPitch=9.049 goPitchDev=-0.014 goM1=10.348 "
                                   "goM2=10.774 goWear=9.021 noGoMajor=9.571 noGoMajorDev=-0.028 noGoPitch=9.264 "
                                   "noGoPitchDev=-0.014 noGoM1=10.563 noGoM2=10.989 noGoWear=9.236";
    QTest::newRow("M20x2.5 6H") << 20.0 << 2.5 << "0.224,1.441,1.553"
                                << "goMajor=20.03 goPitch=18.399 goM1=20.558 goM2=20.894 goWear=18.371 "
                                   "noGoMajor=19.121 noGoPitch=18.614 noGoM1=20.773 noGoM2=21.109 noGoWear=18.586";
    // 0.080 closes band 2.
    QTest::newRow("M3x0.5 5H: key on a bound") << 3.0 << 0.5 << "0.080,0.291,0.29"
                                               << "goMajor=3.009 goMajorDev=-0.014 goPitch=2.681 goM1=3.121 "
                                                  "goM2=3.118 goWear=2.668 noGoMajor=2.866 noGoPitch=2.762 "
                                                  "noGoM1=3.202 noGoM2=3.199 noGoWear=2.749";
    QTest::newRow("M64x6 7H") << 64.0 << 6.0 << "0.475,3.468,3.58"
                              << "goMajor=64.042 goMajorDev=-0.036 goPitch=60.136 goM1=65.347 goM2=65.683 "
                                 "goWear=60.1 noGoMajor=61.805 noGoPitch=60.596 noGoM1=65.807 noGoM2=66.143 "
                                 "noGoWear=60.56";
    QTest::newRow("typed tolerance 0.1") << 10.0 << 0.45 << "0.1,0.26,0.29"
                                         << "goMajor=10.015 goPitch=9.718 goM1=10.109 goM2=10.199 goWear=9.701 "
                                            "noGoMajor=9.911 noGoPitch=9.817 noGoM1=10.207 noGoM2=10.297 "
                                            "noGoWear=9.8";
    QTest::newRow("typed tolerance 0.05 closes band 1")
        << 10.0 << 0.45 << "0.05,0.26,0.29"
        << "goMajor=10.006 goMajorDev=-0.012 goPitch=9.711 goWear=9.7 noGoMajor=9.857 noGoPitch=9.764 noGoWear=9.753";
    QTest::newRow("no second wire") << 10.0 << 1.5 << "0.140,0.866,"
                                    << "goM1=10.343 goM2=-- noGoM1=10.476 noGoM2=-- goWear=9.02";
    QTest::newRow("no tolerance") << 10.0 << 0.45 << ",0.26,0.29" << none;
    QTest::newRow("tolerance in no band") << 10.0 << 0.45 << "0.7,0.26,0.29" << none;
}

void TestGaugeBlocks::metricBlock() {
    QFETCH(double, d);
    QFETCH(double, p);
    QFETCH(QString, boxes);
    QFETCH(QString, expected);
    const QStringList kept = boxes.split(u',');
    const std::optional<metric::PlugGauges> g =
        metric::plugGauges(d, p, optionalNumber(kept[0]), optionalNumber(kept[1]), optionalNumber(kept[2]));
    const auto text = [](std::optional<double> v) { return v ? plain(*v) : QStringLiteral("--"); };
    const auto fixed3 = [](std::optional<double> v) { return fixed(v, metric::kGaugePitchPattern); };
    const auto field = [&](auto member) { return g ? std::optional<double>(member(*g)) : std::nullopt; };
    const auto m = [&](auto member) { return g ? member(*g) : std::nullopt; };
    using G = metric::PlugGauges;
    const QMap<QString, QString> got{
        {"goMajor", text(field([](const G& x) { return x.sizes.goMajor; }))},
        {"goMajorDev", text(field([](const G& x) { return x.sizes.goMajorLowerDev; }))},
        {"goPitch", fixed3(field([](const G& x) { return x.sizes.goPitch; }))},
        {"goPitchDev", text(field([](const G& x) { return x.sizes.goPitchLowerDev; }))},
        {"goM1", fixed3(m([](const G& x) { return x.overPreferred.go; }))},
        {"goM2", fixed3(m([](const G& x) { return x.overSecond.go; }))},
        {"goWear", text(field([](const G& x) { return x.goWearLimit; }))},
        {"noGoMajor", fixed3(field([](const G& x) { return x.sizes.noGoMajor; }))},
        {"noGoMajorDev", text(field([](const G& x) { return x.sizes.noGoMajorLowerDev; }))},
        {"noGoPitch", fixed3(field([](const G& x) { return x.sizes.noGoPitch; }))},
        {"noGoPitchDev", text(field([](const G& x) { return x.sizes.noGoPitchLowerDev; }))},
        {"noGoM1", fixed3(m([](const G& x) { return x.overPreferred.noGo; }))},
        {"noGoM2", fixed3(m([](const G& x) { return x.overSecond.noGo; }))},
        {"noGoWear", text(field([](const G& x) { return x.noGoWearLimit; }))},
    };
    const QString misses = missesOf(got, expected);
    QVERIFY2(misses.isEmpty(), qPrintable(misses));
}

void TestGaugeBlocks::metricBasicSizes() {
    QCOMPARE(fixed(metric::basicPitchDiameter(10, 1.5), Pattern::Fixed3), QStringLiteral("9.026"));
    QCOMPARE(fixed(metric::basicMinorDiameter(10, 1.5), Pattern::Fixed3), QStringLiteral("8.376"));
}

QTEST_APPLESS_MAIN(TestGaugeBlocks)
#include "tst_gaugeblocks.moc"
