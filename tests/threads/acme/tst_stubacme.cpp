// Stub ACME: the standard size table against the class 2G formulas and the
// ACME wire table, and the formula limits of a typed size.
#include <QTest>

#include <cmath>
#include <set>

#include "common/numtext.h"
#include "common/units.h"
#include "texttest.h"
#include "threads/acme/acmelimits.h"
#include "threads/acme/stubacme.h"
#include "threads/common/threewire.h"

using namespace quorvil;
using namespace quorvil::acme;

namespace {

using quorvil::test::plain;
using quorvil::test::shown;

}  // namespace

class TestStubAcme : public QObject {
    Q_OBJECT
private slots:
    void tableSizesInListOrder();
    void tableFollowsTheFormulas();
    void tableWiresAndMValues();
    void formulaLimits_data();
    void formulaLimits();
    void crestClearanceBreak_data();
    void crestClearanceBreak();
};

void TestStubAcme::tableSizesInListOrder() {
    const auto& t = stubAcmeSizes();
    QCOMPARE(t.size(), std::size_t(23));
    QCOMPARE(QString::fromUtf8(t.front().size.data(), t.front().size.size()), QStringLiteral("1/4"));
    QCOMPARE(QString::fromUtf8(t[8].size.data(), t[8].size.size()), QStringLiteral("1"));
    QCOMPARE(QString::fromUtf8(t.back().size.data(), t.back().size.size()), QStringLiteral("5"));
    // Ascending sizes, each named after its maximum major diameter, coarser
    // pitches as the size grows.
    for (std::size_t i = 1; i < t.size(); ++i) {
        QVERIFY2(t[i].extMajorMax > t[i - 1].extMajorMax, t[i].size.data());
        QVERIFY2(t[i].threadsPerInch <= t[i - 1].threadsPerInch, t[i].size.data());
    }
    for (const StubAcmeSize& s : t) {
        const std::string name(s.size);
        const auto dash = name.find('-'), slash = name.find('/');
        double whole = 0, frac = 0;
        if (slash == std::string::npos)
            whole = std::stod(name);
        else {
            const std::size_t numStart = dash == std::string::npos ? 0 : dash + 1;
            if (dash != std::string::npos) whole = std::stod(name.substr(0, dash));
            frac = std::stod(name.substr(numStart, slash - numStart)) / std::stod(name.substr(slash + 1));
        }
        QCOMPARE(s.extMajorMax, whole + frac);
    }
}

// Every stored limit lies within 0.0001 inch of its formula, except the
// external pitch limits of the five sizes the published table rounds
// differently (by about 0.0005 inch). A mistyped digit breaks this.
void TestStubAcme::tableFollowsTheFormulas() {
    const std::set<std::string_view> offPitch = {"5/16", "7/16", "1-3/4", "3", "5"};
    int offRows = 0;
    for (const StubAcmeSize& s : stubAcmeSizes()) {
        const float D = float(s.extMajorMax);
        const double n = s.threadsPerInch;
        const StubAcmeLimits f = stubAcmeLimits(D, n);
        const double near = 0.0001 + 1e-12;
        const struct {
            const char* what;
            double stored, formula;
            bool pitch;
        } checks[] = {
            {"ext major min", s.extMajorMin, f.extMajorMin, false},
            {"ext pitch max", s.extPitchMax, f.extPitchMax, true},
            {"ext pitch min", s.extPitchMin, f.extPitchMin, true},
            {"ext minor max", s.extMinorMax, f.extMinorMax, false},
            {"ext minor min", s.extMinorMin, f.extMinorMin, false},
            {"int major min", s.intMajorMin, f.intMajorMin, false},
            {"int major max", s.intMajorMax, f.intMajorMax, false},
            {"int pitch min", s.intPitchMin, f.intPitchMin, false},
            {"int pitch max", s.intPitchMax, f.intPitchMax, false},
            {"int minor min", s.intMinorMin, f.intMinorMin, false},
            {"int minor max", s.intMinorMax, f.intMinorMax, false},
        };
        bool off = false;
        for (const auto& c : checks) {
            const double diff = std::abs(c.stored - c.formula);
            const double allowed = c.pitch && offPitch.count(s.size) ? 0.0006 : near;
            QVERIFY2(diff <= allowed,
                     qPrintable(QStringLiteral("%1 %2: %3 against %4")
                                    .arg(QString::fromUtf8(s.size.data(), s.size.size()), QString::fromLatin1(c.what),
                                         plain(c.stored), plain(c.formula))));
            if (c.pitch && diff > near) off = true;
        }
        if (off) ++offRows;
    }
    QCOMPARE(offRows, 5);
    // The published value, not the formula's.
    QCOMPARE(stubAcmeSizes()[1].extPitchMax, 0.2871);
    QCOMPARE(shown(stubAcmeLimits(0.3125f, 14).extPitchMax, Pattern::Fixed4), QStringLiteral("0.2866"));
}

// The wire is the preferred ACME wire of the row's threads per inch; 2
// threads per inch has none, and then no M value. The M value agrees with the
// three-wire formula over the stored maximum pitch diameter.
void TestStubAcme::tableWiresAndMValues() {
    for (const StubAcmeSize& s : stubAcmeSizes()) {
        const auto wires = acmeWires(s.threadsPerInch);
        const QString name = QString::fromUtf8(s.size.data(), s.size.size());
        QCOMPARE(s.wireMm.has_value(), wires.has_value());
        QCOMPARE(s.mValueMm.has_value(), wires.has_value());
        QCOMPARE(s.threadsPerInch == 2, !wires.has_value());
        if (!wires) continue;
        QCOMPARE(*s.wireMm, wires->preferred);
        const auto m = threeWireM(FlankAngle{29}, PitchDiameter{s.extPitchMax * kMillimetresPerInch}, Wire{*s.wireMm},
                                  Pitch{pitchOfThreadsPerInch(s.threadsPerInch)});
        QVERIFY(m);
        QVERIFY2(std::abs(*m - *s.mValueMm) <= 0.002, qPrintable(name + ": " + plain(*m)));
    }
}

// Each limit as its box shows it: the 15-digit text, or rounded to four
// (inch) or three (mm) decimals.
void TestStubAcme::formulaLimits_data() {
    QTest::addColumn<float>("D");
    QTest::addColumn<double>("n");
    QTest::addColumn<QStringList>("expected");

    // extMajorMin extMajorMaxMm extPitchMax extPitchMin extPitchMaxMm pitchTolMm
    // extMinorMax extMinorMin extMinorMaxMm intMajorMin intMajorMax intMajorMinMm
    // intPitchMin intPitchMax intPitchMinMm intMinorMin intMinorMax intMinorMinMm
    QTest::newRow("1/2-10") << 0.5f << 10.0
                            << QStringList{"0.4950",
                                           "12.700",
                                           "0.464343145750508",
                                           "0.450613672082883",
                                           "11.7943159020629",
                                           "0.34872863115766",
                                           "0.42",
                                           "0.4063",
                                           "10.668",
                                           "0.52",
                                           "0.5337",
                                           "13.208",
                                           "0.47",
                                           "0.4837",
                                           "11.938",
                                           "0.44",
                                           "0.4450",
                                           "11.176"};
    QTest::newRow("1-5") << 1.0f << 5.0 << QStringList{"0.9900",  "25.400",
                                                       "0.932",   "0.912583592135001",
                                                       "23.6728", "0.493176759770968",
                                                       "0.86",    "0.8406",
                                                       "21.844",  "1.02",
                                                       "1.0394",  "25.908",
                                                       "0.94",    "0.9594",
                                                       "23.876",  "0.88",
                                                       "0.8900",  "22.352"};
    // A size held in single precision: 1/3 inch is 0.3333333 and every
    // limit follows from that value.
    QTest::newRow("1/3-16") << 1.0f / 3.0f << 16.0
                            << QStringList{"0.3302",
                                           "8.467",
                                           "0.309964541045098",
                                           "0.299000439378341",
                                           "7.8730993425455",
                                           "0.278488182335625",
                                           "0.285833343267441",
                                           "0.2749",
                                           "7.260",
                                           "0.343333343267441",
                                           "0.3543",
                                           "8.721",
                                           "0.314583343267441",
                                           "0.3255",
                                           "7.990",
                                           "0.295833343267441",
                                           "0.2990",
                                           "7.514"};
}

void TestStubAcme::formulaLimits() {
    QFETCH(float, D);
    QFETCH(double, n);
    QFETCH(QStringList, expected);
    const StubAcmeLimits s = stubAcmeLimits(D, n);
    const QStringList got{shown(s.extMajorMin, Pattern::Fixed4),
                          shown(s.extMajorMaxMm, Pattern::Fixed3),
                          plain(s.extPitchMax),
                          plain(s.extPitchMin),
                          plain(s.extPitchMaxMm),
                          plain(s.pitchTolMm),
                          plain(s.extMinorMax),
                          shown(s.extMinorMin, Pattern::Fixed4),
                          shown(s.extMinorMaxMm, Pattern::Fixed3),
                          plain(s.intMajorMin),
                          shown(s.intMajorMax, Pattern::Fixed4),
                          shown(s.intMajorMinMm, Pattern::Fixed3),
                          plain(s.intPitchMin),
                          shown(s.intPitchMax, Pattern::Fixed4),
                          shown(s.intPitchMinMm, Pattern::Fixed3),
                          plain(s.intMinorMin),
                          shown(s.intMinorMax, Pattern::Fixed4),
                          shown(s.intMinorMinMm, Pattern::Fixed3)};
    QCOMPARE(got, expected);
}

// The clearance is 0.02 inch up to 10 threads per inch and 0.01 above, a
// fractional count included.
void TestStubAcme::crestClearanceBreak_data() {
    QTest::addColumn<double>("n");
    QTest::addColumn<QString>("intMajorMin");
    QTest::addColumn<QString>("extMinorMax");
    QTest::newRow("10") << 10.0 << "0.52"
                        << "0.42";
    QTest::newRow("10.5") << 10.5 << "0.51" << plain(0.5 - 0.6 * (1 / 10.5) - 0.01);
    QTest::newRow("11") << 11.0 << "0.51" << plain(0.5 - 0.6 * (1 / 11.0) - 0.01);
    QTest::newRow("9.99") << 9.99 << "0.52" << plain(0.5 - 0.6 * (1 / 9.99) - 0.02);
}

void TestStubAcme::crestClearanceBreak() {
    QFETCH(double, n);
    QFETCH(QString, intMajorMin);
    QFETCH(QString, extMinorMax);
    const StubAcmeLimits s = stubAcmeLimits(0.5f, n);
    QCOMPARE(plain(s.intMajorMin), intMajorMin);
    QCOMPARE(plain(s.extMinorMax), extMinorMax);
}

QTEST_APPLESS_MAIN(TestStubAcme)
#include "tst_stubacme.moc"
