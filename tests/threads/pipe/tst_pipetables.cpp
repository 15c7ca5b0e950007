// The three stored pipe thread tables. The rows are standard data typed from
// print, so these tests hold every row to the relations such data obey: a
// slipped digit breaks one of them.
#include <QTest>

#include <cmath>
#include <stdexcept>
#include <string>

#include "common/limitstext.h"
#include "threads/pipe/pipetables.h"

using namespace quorvil;
using namespace quorvil::pipe;

namespace {

// Thousandths of a cell that must be a number in its plain shortest form
// ("10.16", "0.941", "3"); anything else is a transcription fault.
long long m(std::string_view cell) {
    const std::string s(cell);
    const std::size_t point = s.find('.');
    const std::string whole = s.substr(0, point);
    const std::string frac = point == std::string::npos ? "" : s.substr(point + 1);
    const auto digits = [](const std::string& t) { return t.find_first_not_of("0123456789") == std::string::npos; };
    if (whole.empty() || !digits(whole) || !digits(frac) || frac.size() > 3)
        throw std::invalid_argument("not a plain number: " + s);
    const long long v = std::stoll(whole) * 1000 + (frac.empty() ? 0 : std::stoll((frac + "00").substr(0, 3)));
    if (thousandthsText(v) != s) throw std::invalid_argument("not in plain form: " + s);
    return v;
}

// Turns written whole or mixed ("4", "2-3/4", "1-1/4"), in quarter turns.
long long quarterTurns(std::string_view cell) {
    const std::string s(cell);
    const std::size_t dash = s.find('-');
    if (dash == std::string::npos) return m(s) / 250;
    const long long whole = m(s.substr(0, dash));
    const std::string frac = s.substr(dash + 1);
    if (frac == "1/4") return whole / 250 + 1;
    if (frac == "1/2") return whole / 250 + 2;
    if (frac == "3/4") return whole / 250 + 3;
    throw std::invalid_argument("not whole or mixed turns: " + s);
}

// Pitch 25.4/n in thousandths, unrounded.
double exactPitch(long long tpiMilli) { return 25400.0 * 1000.0 / double(tpiMilli); }

// Thousandths of a table cell (whole numbers) against a computed length.
template <class A, class B>
bool near(A a, B b, double tolerance) {
    return std::fabs(static_cast<double>(a) - static_cast<double>(b)) <= tolerance + 1e-9;
}

template <class Table>
std::size_t indexOfSize(const Table& t, std::string_view size) {
    for (std::size_t i = 0; i < t.size(); ++i)
        if (t[i].size == size) return i;
    return t.size();
}

struct ParallelTolerances {
    long long n;
    bool above2;
    long long pitchDev, minorDev, externalDev;
    std::array<long long, 4> gaugeOffsets;  // G10, G12, G14, G16 basic minus D2
    std::array<long long, 4> gaugeDevs;
};
// clang-format off
const ParallelTolerances kParallelTolerances[] = {
    {28, false, 107, 282, 214, {463, 11, 308, 117}, {20, 10, 30, 10}},
    {19, false, 125, 445, 250, {674, 11, 412, 135}, {20, 10, 30, 10}},
    {14, false, 142, 541, 284, {918, 18, 529, 154}, {24, 12, 36, 12}},
    {11, false, 180, 640, 360, {1161, 18, 666, 192}, {24, 12, 36, 12}},
    {11, true, 217, 640, 434, {}, {}},
};
// clang-format on

void addRows(std::size_t count) {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < count; ++i) QTest::addRow("row %zu", i) << int(i);
}

}  // namespace

class TestPipeTables : public QObject {
    Q_OBJECT
private slots:
    void gaugeDataEndsAtTwoInch();
    void taper60Relations_data() { addRows(kTaper60.size()); }
    void taper60Relations();
    void taper55Relations_data() { addRows(kTaper55.size()); }
    void taper55Relations();
    void parallel55Relations_data() { addRows(kParallel55.size()); }
    void parallel55Relations();
    void fiftyFiveDegreeTablesAgree();
    void boxTexts();
};

void TestPipeTables::gaugeDataEndsAtTwoInch() {
    QCOMPARE(kTaper60Gauges.size(), indexOfSize(kTaper60, "2") + 1);
    QCOMPARE(kTaper55Gauges.size(), indexOfSize(kTaper55, "2") + 1);
    QCOMPARE(kParallel55Gauges.size(), indexOfSize(kParallel55, "2") + 1);
    QCOMPARE(kTaper60.back().size, std::string_view("12"));
    QCOMPARE(kTaper55.back().size, std::string_view("6"));
    QCOMPARE(kParallel55.back().size, std::string_view("6"));
    QCOMPARE(indexOfSize(kTaper55, "3-1/2"), kTaper55.size());  // not a 55° taper size
}

void TestPipeTables::taper60Relations() {
    QFETCH(int, row);
    const Taper60Row& r = kTaper60[std::size_t(row)];
    const long long P = m(r.pitch), h = m(r.height);
    const auto Pd = static_cast<double>(P);
    QVERIFY(near(P, exactPitch(m(r.threadsPerInch)), 0.5));
    QVERIFY(near(h, 0.8 * Pd, 1));
    // The gauge plane diameters step by h (the 8 inch minor diameter included).
    QVERIFY(near(m(r.major) - m(r.pitchDiameter), h, 1));
    QVERIFY(near(m(r.pitchDiameter) - m(r.minor), h, 1));
    QVERIFY(near(m(r.planeDistance), static_cast<double>(m(r.planeTurns) * P) / 1000.0, 2.5));
    QVERIFY(near(m(r.allowance), static_cast<double>(m(r.allowanceTurns) * P) / 1000.0, 2.5));
    QCOMPARE(m(r.allowanceTurns), m(r.threadsPerInch) > 8000 ? 3000 : 2000);
    QVERIFY(m(r.tapDrill) < m(r.minor));

    if (std::size_t(row) >= kTaper60Gauges.size()) return;
    const Taper60Gauge& g = kTaper60Gauges[std::size_t(row)];
    QCOMPARE(m(g.plugStep), 2 * P);
    QCOMPARE(m(g.ringStep), 2 * P);
    QCOMPARE(m(g.taperLength), m(r.planeDistance) + m(r.allowance) + P);
    QCOMPARE(m(g.ringLength), m(g.taperLength));
    QVERIFY(near(m(g.plugLargeEnd), static_cast<double>(m(r.minor)) + Pd / 16.0, 0.5));
    QVERIFY(near(m(g.ringBore), static_cast<double>(m(r.major)) - static_cast<double>(m(r.planeDistance) + P) / 16.0, 0.5));
}

void TestPipeTables::taper55Relations() {
    QFETCH(int, row);
    const Taper55Row& r = kTaper55[std::size_t(row)];
    const bool above2 = std::size_t(row) >= kTaper55Gauges.size();
    const double P = exactPitch(m(r.threadsPerInch));
    const long long h = m(r.height);
    QVERIFY(near(m(r.pitch), P, 0.5));
    QVERIFY(near(h, 0.640327 * P, 0.5));
    QCOMPARE(m(r.major) - m(r.pitchDiameter), h);
    QCOMPARE(m(r.pitchDiameter) - m(r.minor), h);

    // Gauge plane distance: basic in the middle, one pitch either side (1.5
    // above 2 inch), to one decimal.
    const long long basic = m(r.planeBasic), max = m(r.planeMax), min = m(r.planeMin);
    QCOMPARE(2 * basic, max + min);
    QVERIFY(near(max - basic, (above2 ? 1.5 : 1.0) * P, 50));
    QCOMPARE(m(r.lengthBasic), basic + m(r.allowance));
    QCOMPARE(m(r.lengthMax), max + m(r.allowance));
    QCOMPARE(m(r.lengthMin), min + m(r.allowance));
    QVERIFY(near(m(r.allowance), static_cast<double>(quarterTurns(r.allowanceTurns)) * P / 4, 50));
    QVERIFY(near(m(r.radialLimit), static_cast<double>(quarterTurns(r.axialLimitTurns)) * P / 4 / 16, 0.5));

    if (above2) return;
    const Taper55Gauge& g = kTaper55Gauges[std::size_t(row)];
    QCOMPARE(m(g.ringStep), max - min);
    QCOMPARE(m(g.ringLength), m(r.lengthMax));
    for (std::string_view cell :
         {g.shank, g.plugLargeEnd, g.plugStep, g.overallLength, g.taperLength, g.ringOuter, g.ringBore})
        QVERIFY(m(cell) > 0);
    QVERIFY(m(g.plugLargeEnd) < m(r.major) && m(g.ringBore) < m(r.major));
}

void TestPipeTables::parallel55Relations() {
    QFETCH(int, row);
    const Parallel55Row& r = kParallel55[std::size_t(row)];
    const bool above2 = std::size_t(row) >= kParallel55Gauges.size();
    const long long n = m(r.threadsPerInch);
    const double P = exactPitch(n);
    const long long h = m(r.height), D = m(r.major), D2 = r.pitchDiameter.basic, D1 = r.minor.basic;
    QVERIFY(near(m(r.pitch), P, 0.5));
    QVERIFY(near(h, 0.640327 * P, 0.5));
    QCOMPARE(D - D2, h);
    QCOMPARE(D2 - D1, h);
    QCOMPARE(r.externalMajor.basic, D);
    QCOMPARE(r.pitchClassA.basic, D2);
    QCOMPARE(r.pitchClassB.basic, D2);
    QCOMPARE(m(r.externalMinor), D1);

    const ParallelTolerances* tol = nullptr;
    for (const ParallelTolerances& t : kParallelTolerances)
        if (t.n * 1000 == n && t.above2 == above2) tol = &t;
    QVERIFY2(tol, "no tolerances for this thread count");
    QCOMPARE(r.pitchDiameter.deviation, tol->pitchDev);
    QCOMPARE(r.pitchClassA.deviation, -tol->pitchDev);
    QCOMPARE(r.minor.deviation, tol->minorDev);
    QCOMPARE(r.externalMajor.deviation, -tol->externalDev);
    QCOMPARE(r.pitchClassB.deviation, -tol->externalDev);

    if (above2) return;
    const Parallel55Gauge& g = kParallel55Gauges[std::size_t(row)];
    const ZeroFirstLimits* limits[] = {&g.goMajor, &g.goPitch, &g.noGoMajor, &g.noGoPitch};
    for (std::size_t i = 0; i < 4; ++i) {
        QCOMPARE(limits[i]->basic - D2, tol->gaugeOffsets[i]);
        QCOMPARE(limits[i]->deviation, -tol->gaugeDevs[i]);
    }
    QCOMPARE(m(g.goMinorMax), D1);
    QCOMPARE(m(g.noGoMinorMax), D1);
    QVERIFY(m(g.goLength) >= m(g.noGoLength));
}

// Taper and parallel 55° threads of one size share the thread form and the
// basic diameters.
void TestPipeTables::fiftyFiveDegreeTablesAgree() {
    for (const Taper55Row& t : kTaper55) {
        const std::size_t i = indexOfSize(kParallel55, t.size);
        QVERIFY2(i < kParallel55.size(), std::string(t.size).c_str());
        const Parallel55Row& p = kParallel55[i];
        QCOMPARE(t.threadsPerInch, p.threadsPerInch);
        QCOMPARE(t.pitch, p.pitch);
        QCOMPARE(t.height, p.height);
        QCOMPARE(t.major, p.major);
        QCOMPARE(m(t.pitchDiameter), p.pitchDiameter.basic);
        QCOMPARE(m(t.minor), p.minor.basic);
    }
}

void TestPipeTables::boxTexts() {
    using Texts = std::vector<std::string>;
    const std::string none(kNoValue);
    QCOMPARE(taper60Texts(0),
             (Texts{"27",    "0.941", "0.752", "7.894", "7.142", "6.389", "4.32", "4.064", "3",     "2.822",
                    "6.137", none,    "1.882", "6.448", none,    "7.827", none,   "1.882", "7.581", "7.827"}));
    QCOMPARE(taper60Texts(16)[5], std::string("213.361"));
    for (std::size_t row = 0; row < kTaper60.size(); ++row) {
        const Texts t = taper60Texts(row);
        QCOMPARE(t.size(), std::size_t(20));
        // Shank, overall length and ring outer diameter have no stored value.
        QCOMPARE(t[11], none);
        QCOMPARE(t[14], none);
        QCOMPARE(t[16], none);
        if (row >= kTaper60Gauges.size()) QCOMPARE(Texts(t.begin() + 11, t.end()), Texts(9, none));
    }
    QCOMPARE(taper55Texts(0), (Texts{"28",  "0.907", "0.581", "7.723", "7.142", "6.561", "4",     "4.9", "3.1",
                                     "2.5", "2-3/4", "6.5",   "7.4",   "5.6",   "0.071", "1-1/4", "6",   "6.63",
                                     "2.2", "75",    "12",    "20",    "1.8",   "7.416", "7.4"}));
    QCOMPARE(taper55Texts(10), (Texts{"11",  "2.309", "1.479", "75.184", "73.705", "72.226", "17.5",  "21", "14",
                                      "9.2", "4",     "26.7",  "30.2",   "23.2",   "0.216",  "1-1/2", none, none,
                                      none,  none,    none,    none,     none,     none,     none}));
    QCOMPARE(parallel55Texts(0),
             (Texts{"28", "0.907", "0.581", "7.723", "7.142(0/+0.107)", "6.561(0/+0.282)", "7.723(0/-0.214)",
                    "7.142(0/-0.107)", "7.142(0/-0.214)", "6.561", "7.605(0/-0.02)", "10", "7.153(0/-0.01)", "6.561",
                    "7.45(0/-0.03)", "7.5", "7.259(0/-0.01)", "6.561"}));
    QCOMPARE(parallel55Texts(14),
             (Texts{"11", "2.309", "1.479", "65.71", "64.231(0/+0.217)", "62.752(0/+0.64)", "65.71(0/-0.434)",
                    "64.231(0/-0.217)", "64.231(0/-0.434)", "62.752", none, none, none, none, none, none, none, none}));
    QVERIFY(taper60Texts(kTaper60.size()).empty());
    QVERIFY(taper55Texts(kTaper55.size()).empty());
    QVERIFY(parallel55Texts(kParallel55.size()).empty());
}

QTEST_APPLESS_MAIN(TestPipeTables)
#include "tst_pipetables.moc"
