// The weight formulas with the digits the windows show: each frame's own
// precision, pi and inch conversion decide the last digits.
#include <QTest>

#include <cfloat>
#include <functional>
#include <set>

#include "common/numtext.h"
#include "workshop/weights.h"
#include "workshop/weighttables.h"

using namespace quorvil;
using namespace quorvil::weight;

namespace {

// The text a calculation writes, or "none" when it writes nothing.
QString written(std::optional<float> w) {
    return w ? QString::fromStdString(signedTextSingle(*w)) : QStringLiteral("none");
}
QString written(std::optional<double> w) { return w ? QString::fromStdString(signedText(*w)) : QStringLiteral("none"); }
// What a "0.000" result box then shows.
QString shown(const QString& text) {
    return text == QStringLiteral("none") ? text
                                          : QString::fromStdString(reformat(text.toStdString(), Pattern::Fixed3));
}

using Frame = std::function<QString(const QList<double>&, Unit)>;

// Each frame by its inputs in the order of its struct.
const std::map<QString, Frame>& frames() {
    static const std::map<QString, Frame> f = {
        {"three",
         [](const QList<double>& v, Unit u) {
             return written(threeSectionWeight({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]}, u));
         }},
        {"four",
         [](const QList<double>& v, Unit u) {
             return written(fourSectionWeight({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9]}, u));
         }},
        {"cuboid", [](const QList<double>& v, Unit u) { return written(cuboidWeight(v[0], v[1], v[2], v[3], u)); }},
        {"trapezoid",
         [](const QList<double>& v, Unit) { return written(trapezoidWeight(v[0], v[1], v[2], v[3], v[4])); }},
        {"section", [](const QList<double>& v, Unit) { return written(sectionWeight(v[0], v[1])); }},
        {"turned1",
         [](const QList<double>& v, Unit u) {
             return written(twoBoreTurnedWeight({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]}, u));
         }},
        {"turned2",
         [](const QList<double>& v, Unit u) {
             return written(threeSectionTurnedWeight({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]}, u));
         }},
        {"turned3",
         [](const QList<double>& v, Unit u) {
             return written(twoSectionTurnedWeight({v[0], v[1], v[2], v[3], v[4], v[5]}, u));
         }},
        {"turned4",
         [](const QList<double>& v, Unit u) {
             return written(blindBoredCylinderWeight({v[0], v[1], v[2], v[3], v[4]}, u));
         }},
        {"ring",
         [](const QList<double>& v, Unit u) {
             return written(ringWeight({v[0], v[1], v[2], v[3]}, u));
         }},
        {"body",
         [](const QList<double>& v, Unit u) {
             return written(
                 bodyOfRevolutionWeight({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]}, u));
         }},
        {"sleeve",
         [](const QList<double>& v, Unit u) {
             return written(sleeveWeight({v[0], v[1], v[2], v[3], v[4], v[5]}, u));
         }},
        {"disc",
         [](const QList<double>& v, Unit u) {
             return written(flattedDiscWeight({v[0], v[1], v[2], v[3]}, u));
         }},
        {"shaft",
         [](const QList<double>& v, Unit u) {
             return written(steppedBoreShaftWeight({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9]}, u));
         }},
    };
    return f;
}

constexpr Unit mm = Unit::Millimetre, in = Unit::Inch;

}  // namespace

class TestWeights : public QObject {
    Q_OBJECT
private slots:
    void frames_data();
    void frames();
    void bars_data();
    void bars();
    void tube();
    void lists();
};

void TestWeights::frames_data() {
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QList<double>>("inputs");
    QTest::addColumn<Unit>("unit");
    QTest::addColumn<QString>("text");   // written text, "none" for no write
    QTest::addColumn<QString>("shows");  // after "0.000", when the box formats

    const double big = 1e30;  // fits a float; its square does not
    // three: d1, d2, l2, l3, d3, b, L, rho
    QTest::newRow("three mm") << "three" << QList<double>{40, 60, 50, 40, 50, 20, 120, 7.85} << mm << " 1.726254"
                              << "1.726";
    QTest::newRow("three mm 2.7") << "three" << QList<double>{40, 60, 50, 40, 50, 20, 120, 2.7} << mm << " .5937435"
                                  << "0.594";
    QTest::newRow("three inch, 1 by 1") << "three" << QList<double>{1, 0, 0, 0, 0, 0, 1, 7.85} << in << " .1010294"
                                        << "0.101";
    QTest::newRow("three inch single weight")
        << "three" << QList<double>{30, 0, 0, 0, 0, 0, 200, 7.85} << in << " 18185.3"
        << "18185.300";
    QTest::newRow("three tiny") << "three" << QList<double>{1, 0, 0, 0, 0, 0, 1, 7.85} << mm << " 6.165194E-06"
                                << "0.000";
    QTest::newRow("three empty dims") << "three" << QList<double>{0, 0, 0, 0, 0, 0, 0, 7.85} << mm << " 0"
                                      << "0.000";
    QTest::newRow("three bore wider") << "three" << QList<double>{20, 0, 0, 0, 0, 30, 100, 7.85} << mm << "-.3082597"
                                      << "-0.308";
    QTest::newRow("three density 0") << "three" << QList<double>{40, 60, 50, 40, 50, 20, 120, 0} << mm << "none"
                                     << "none";
    QTest::newRow("three density negative")
        << "three" << QList<double>{40, 60, 50, 40, 50, 20, 120, -7.85} << mm << "none"
        << "none";
    QTest::newRow("three input overflows") << "three" << QList<double>{1e39, 0, 0, 0, 0, 0, 1, 7.85} << mm << "none"
                                           << "none";
    // Inputs held in single precision: just beyond its range and infinite
    // give no weight, a value below its smallest reads as 0.
    QTest::newRow("three input just beyond single")
        << "three" << QList<double>{3.5e38, 0, 0, 0, 0, 0, 1, 7.85} << mm << "none"
        << "none";
    QTest::newRow("three input infinite") << "three" << QList<double>{1, 0, 0, 0, 0, -HUGE_VAL, 1, 7.85} << mm << "none"
                                          << "none";
    QTest::newRow("three input below single")
        << "three" << QList<double>{1, 0, 0, 0, 0, 1e-300, 1, 7.85} << mm << " 6.165194E-06"
        << "0.000";
    QTest::newRow("three weight overflows") << "three" << QList<double>{big, 0, 0, 0, 0, 0, big, 7.85} << mm << "none"
                                            << "none";
    // four: d1, d2, d3, b, d4, l1, l2, l4, L, rho
    QTest::newRow("four mm") << "four" << QList<double>{80, 60, 50, 20, 70, 20, 30, 25, 150, 7.85} << mm << " 2.996284"
                             << "2.996";
    QTest::newRow("four inch") << "four" << QList<double>{80, 60, 50, 20, 70, 20, 30, 25, 150, 7.85} << in << " 49100.3"
                               << "49100.300";
    QTest::newRow("four density 0") << "four" << QList<double>{80, 60, 50, 20, 70, 20, 30, 25, 150, 0} << mm << "none"
                                    << "none";
    // cuboid: l, h, t, rho (the box shows the text as written)
    QTest::newRow("cuboid mm") << "cuboid" << QList<double>{100, 50, 20, 7.85} << mm << " .785"
                               << "0.785";
    QTest::newRow("cuboid inch") << "cuboid" << QList<double>{100, 50, 20, 7.85} << in << " 12863.84"
                                 << "12863.840";
    QTest::newRow("cuboid density empty") << "cuboid" << QList<double>{100, 50, 20, 0} << mm << "none"
                                          << "none";
    // trapezoid: a, b, h, t, rho
    QTest::newRow("trapezoid") << "trapezoid" << QList<double>{100, 200, 50, 10, 7.85} << mm << " .58875"
                               << "0.589";
    QTest::newRow("trapezoid density 0") << "trapezoid" << QList<double>{100, 200, 50, 10, 0} << mm << "none"
                                         << "none";
    // section: L, kg/m
    QTest::newRow("angle 5#-50*5") << "section" << QList<double>{6000, 3.77} << mm << " 22.62"
                                   << "22.620";
    QTest::newRow("channel 10#-100*48") << "section" << QList<double>{6000, 10} << mm << " 60"
                                        << "60.000";
    QTest::newRow("section longest single length")
        << "section" << QList<double>{-double(FLT_MAX), 1e-30} << mm << "-340282.3"
        << "-340282.300";
    QTest::newRow("section length overflows") << "section" << QList<double>{1e40, 10} << mm << "none"
                                              << "none";
    // turned 一: l1, D1, d1, d2, D2, h1, L, rho
    QTest::newRow("turned1") << "turned1" << QList<double>{40, 60, 30, 20, 40, 20, 100, 7.85} << mm << " 1.171387"
                             << "1.171";
    QTest::newRow("turned1 no bores") << "turned1" << QList<double>{40, 60, 0, 0, 40, 0, 100, 7.85} << mm << " 1.479646"
                                      << "1.480";
    QTest::newRow("turned1 inch") << "turned1" << QList<double>{40, 60, 30, 20, 40, 20, 100, 7.85} << in << " 19195.59"
                                  << "19195.590";
    QTest::newRow("turned1 density cleared")
        << "turned1" << QList<double>{40, 60, 30, 20, 40, 20, 100, 0} << mm << "none"
        << "none";
    // turned 二: lA, lC, DA, d, DB, DC, L, rho
    QTest::newRow("turned2") << "turned2" << QList<double>{20, 30, 80, 20, 50, 70, 120, 7.85} << mm << " 2.478408"
                             << "2.478";
    // turned 三: l1, D1, d, D2, L, rho
    QTest::newRow("turned3") << "turned3" << QList<double>{40, 60, 20, 40, 100, 7.85} << mm << " 1.233039"
                             << "1.233";
    QTest::newRow("turned3 density cleared") << "turned3" << QList<double>{40, 60, 20, 40, 100, 0} << mm << "none"
                                             << "none";
    // turned 四: L, D, h, d, rho, double-precision weight
    QTest::newRow("turned4") << "turned4" << QList<double>{100, 60, 50, 30, 7.85} << mm << " 1.94203600765675"
                             << "1.942";
    QTest::newRow("turned4 2.7") << "turned4" << QList<double>{100, 60, 50, 30, 2.7} << mm << " .667961449296623"
                                 << "0.668";
    QTest::newRow("turned4 inch double") << "turned4" << QList<double>{100, 60, 0, 0, 7.85} << in << " 36370.5923974579"
                                         << "36370.592";
    QTest::newRow("turned4 weight beyond single shown")
        << "turned4" << QList<double>{1e6, 1e20, 0, 0, 7.85} << mm << " 6.16519392221259E+40"
        << "61651939222125900000000000000000000000000.000";
    QTest::newRow("turned4 input overflows") << "turned4" << QList<double>{1e39, 60, 0, 0, 7.85} << mm << "none"
                                             << "none";
    // ring: D, L, d, rho
    QTest::newRow("ring") << "ring" << QList<double>{100, 20, 60, 7.85} << mm << " .7891448"
                          << "0.789";
    QTest::newRow("ring inch") << "ring" << QList<double>{100, 20, 60, 7.85} << in << " 12931.77"
                               << "12931.770";
    // body: l1, D1, D2, D3, l3, D4, l4, D5, l5, L, d, rho
    QTest::newRow("body") << "body" << QList<double>{20, 50, 30, 40, 40, 25, 15, 60, 25, 130, 10, 7.85} << mm
                          << " 1.401811"
                          << "1.402";
    QTest::newRow("body density cleared")
        << "body" << QList<double>{20, 50, 30, 40, 40, 25, 15, 60, 25, 130, 10, 0} << mm << "none"
        << "none";
    // sleeve: D, d1, d2, l1, L, rho
    QTest::newRow("sleeve") << "sleeve" << QList<double>{40, 30, 20, 20, 100, 7.85} << mm << " .6781713"
                            << "0.678";
    QTest::newRow("sleeve inch") << "sleeve" << QList<double>{40, 30, 20, 20, 100, 7.85} << in << " 11113.24"
                                 << "11113.240";
    QTest::newRow("sleeve empty") << "sleeve" << QList<double>{0, 0, 0, 0, 0, 7.85} << mm << " 0"
                                  << "0.000";
    QTest::newRow("sleeve negative") << "sleeve" << QList<double>{0, 0, 20, 0, 100, 7.85} << mm << "-.2466078"
                                     << "-0.247";
    // disc: t, s, D, rho
    QTest::newRow("disc") << "disc" << QList<double>{10, 80, 100, 7.85} << mm << " .5523452"
                          << "0.552";
    QTest::newRow("disc inch") << "disc" << QList<double>{10, 80, 100, 7.85} << in << " 9051.315"
                               << "9051.315";
    QTest::newRow("disc flats vanish") << "disc" << QList<double>{10, 100, 100, 7.85} << mm << " .6165194"
                                       << "0.617";
    QTest::newRow("disc no width") << "disc" << QList<double>{10, 0, 100, 7.85} << mm << "none"
                                   << "none";
    QTest::newRow("disc negative width") << "disc" << QList<double>{10, -20, 100, 7.85} << mm << "none"
                                         << "none";
    QTest::newRow("disc width over diameter") << "disc" << QList<double>{10, 101, 100, 7.85} << mm << "none"
                                              << "none";
    QTest::newRow("disc density 0") << "disc" << QList<double>{10, 80, 100, 0} << mm << "none"
                                    << "none";
    // shaft: D1, d1, D2, d2, D3, b1, l1, l2, L, rho
    QTest::newRow("shaft") << "shaft" << QList<double>{60, 30, 50, 20, 40, 25, 30, 40, 120, 7.85} << mm << " 1.402582"
                           << "1.403";
    QTest::newRow("shaft empty") << "shaft" << QList<double>{0, 0, 0, 0, 0, 0, 0, 0, 0, 7.85} << mm << " 0"
                                 << "0.000";
}

void TestWeights::frames() {
    QFETCH(QString, frame);
    QFETCH(QList<double>, inputs);
    QFETCH(Unit, unit);
    QFETCH(QString, text);
    QFETCH(QString, shows);
    const QString got = ::frames().at(frame)(inputs, unit);
    QCOMPARE(got, text);
    QCOMPARE(shown(got), shows);
}

void TestWeights::bars_data() {
    QTest::addColumn<Bar>("bar");
    QTest::addColumn<Material>("material");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("L");
    QTest::addColumn<QString>("text");

    QTest::newRow("round steel") << Bar::Round << Material::CarbonSteel << 20.0 << 1000.0 << " 2.466";
    QTest::newRow("square steel") << Bar::Square << Material::CarbonSteel << 10.0 << 1000.0 << " .785";
    QTest::newRow("hexagon steel") << Bar::Hexagon << Material::CarbonSteel << 24.0 << 1000.0 << " 3.9168";
    QTest::newRow("round copper") << Bar::Round << Material::Copper << 20.0 << 1000.0 << " 2.796";
    QTest::newRow("square brass") << Bar::Square << Material::Brass << 10.0 << 1000.0 << " .85";
    QTest::newRow("hexagon aluminium") << Bar::Hexagon << Material::Aluminium << 10.0 << 1000.0 << " .2375";
    QTest::newRow("double precision, beyond single")
        << Bar::Round << Material::CarbonSteel << 1e30 << 1e3 << " 6.165E+57";
    QTest::newRow("overflow") << Bar::Round << Material::CarbonSteel << 1e200 << 1e3 << "none";
    QTest::newRow("input infinite") << Bar::Round << Material::CarbonSteel << 20.0 << HUGE_VAL << "none";
}

void TestWeights::bars() {
    QFETCH(Bar, bar);
    QFETCH(Material, material);
    QFETCH(double, a);
    QFETCH(double, L);
    QFETCH(QString, text);
    QCOMPARE(written(barWeight(bar, material, a, L)), text);
}

void TestWeights::tube() {
    QCOMPARE(written(tubeWeight(Material::CarbonSteel, 60, 50, 1000)), QStringLiteral(" 6.781713"));
    QCOMPARE(written(tubeWeight(Material::CarbonSteel, 50, 60, 1000)), QStringLiteral("-6.781713"));
    QCOMPARE(written(tubeWeight(Material::Aluminium, 60, 0, 1000)), QStringLiteral(" 7.752594"));
    QCOMPARE(written(tubeWeight(Material::CarbonSteel, 1e20, 0, 1e20)), QStringLiteral("none"));
    QCOMPARE(written(plateWeight(Material::CarbonSteel, 1000, 500, 10)), QStringLiteral(" 39.25"));
    QCOMPARE(written(plateWeight(Material::Brass, 1000, 500, 10)), QStringLiteral(" 42.5"));
    QCOMPARE(written(plateWeight(Material::CarbonSteel, 1e300, 1e300, 10)), QStringLiteral("none"));
}

void TestWeights::lists() {
    // Densities: the three cast iron ranges, two decimals for metals, three for
    // woods, rubber and plastics; names are unique and each item lines up.
    QCOMPARE(std::string(kMaterialDensities[0]), std::string("灰口铸铁\t\t6.6~7.4"));
    QCOMPARE(std::string(kMaterialDensities[3]), std::string("铸钢\t\t        7.80 "));
    QCOMPARE(std::string(kMaterialDensities[30]), std::string("1Crl8NillNb不锈钢       7.90 \t"));
    QCOMPARE(std::string(kMaterialDensities[75]), std::string("BA113-3\t白铜            8.50 "));
    QCOMPARE(std::string(kMaterialDensities[139]), std::string("泡沫塑料                0.200"));
    std::set<std::string_view> seen;
    for (std::size_t i = 0; i < kMaterialDensities.size(); ++i) {
        const std::string item(kMaterialDensities[i]);
        const auto end = item.find_last_not_of(" \t");
        const auto start = item.find_last_of(" \t", end) + 1;
        const std::string density = item.substr(start, end + 1 - start);
        const auto point = density.find('.');
        QVERIFY2(point != std::string::npos, item.c_str());
        const std::size_t decimals = i <= 2 ? 1 : i >= 123 ? 3 : 2;
        if (i > 2) QCOMPARE(density.size() - point - 1, decimals);
        QVERIFY2(seen.insert(kMaterialDensities[i]).second, item.c_str());
    }
    // Sections: section number "#-" size "*" size, ascending mass within a size;
    // channel item 4 is stored without its "-".
    QCOMPARE(kAngleSteel[18].item, std::string_view("5#-50*5"));
    QCOMPARE(kAngleSteel[18].kgPerMetre, 3.77);
    QCOMPARE(kAngleSteel[50].kgPerMetre, 23.257);
    QCOMPARE(kChannelSteel[3].kgPerMetre, 10.0);
    QCOMPARE(kChannelSteel[4].item, std::string_view("12.6#126*53"));
    for (const auto* list : {&kAngleSteel[0], &kChannelSteel[0]}) {
        const std::size_t n = list == &kAngleSteel[0] ? kAngleSteel.size() : kChannelSteel.size();
        for (std::size_t i = 0; i < n; ++i) {
            const std::string item(list[i].item);
            QVERIFY2(item.find('#') != std::string::npos && item.find('*') != std::string::npos, item.c_str());
            QVERIFY2(list[i].kgPerMetre > 0 && list[i].kgPerMetre < 30, item.c_str());
            if (item != "12.6#126*53") QVERIFY2(item.find("#-") != std::string::npos, item.c_str());
        }
    }
}

QTEST_APPLESS_MAIN(TestWeights)
#include "tst_weights.moc"
